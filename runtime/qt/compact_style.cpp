// The Fusion look with the narrow arrows of the Windows controls, so that what a list or a spin
// field shows fits the rectangles the window was laid out with: a list's button as wide as a
// scroll bar, a spin field's arrows half as wide as the field is high.
#include "runtime/qt/layer.h"

#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace {

constexpr int ListButtonWidth = 17; // SM_CXVSCROLL
constexpr int TextInset = 3;        // from a Windows list's or field's edge to its text

class CompactStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        const QRect r = option->rect;
        if (control == CC_ComboBox) {
            const QRect button(r.right() - ListButtonWidth + 1, r.top(), ListButtonWidth,
                               r.height());
            switch (part) {
            case SC_ComboBoxArrow:
                return button;
            case SC_ComboBoxEditField:
                return QRect(r.left() + TextInset, r.top(), button.left() - r.left() - TextInset,
                             r.height());
            default:
                break;
            }
        }
        if (control == CC_SpinBox) {
            const int arrows = r.height() / 2;
            const int half = r.height() / 2;
            switch (part) {
            case SC_SpinBoxUp:
                return QRect(r.right() - arrows + 1, r.top(), arrows, half);
            case SC_SpinBoxDown:
                return QRect(r.right() - arrows + 1, r.top() + half, arrows, r.height() - half);
            case SC_SpinBoxEditField:
                return QRect(r.left() + TextInset, r.top(), r.width() - arrows - TextInset,
                             r.height());
            default:
                break;
            }
        }
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
};

} // namespace

QStyle* NewCompactStyle(const char* base) {
    return new CompactStyle(QStyleFactory::create(base));
}
