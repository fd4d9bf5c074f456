// What only the Qt layer can show: the window as drawn against its committed description (its
// title, texts, items and enabling the behaviour suite compares through the layer, which reads them
// from these widgets), every label's whole text and every list's items in the chosen font, what a
// screen reader reads beyond what the accessibility bus test checks, and the loop asleep while
// nothing happens.
#include "runtime/qt/layer.h"
#include "tests/behaviour/layer_under_test.h"
#include "tests/support/fresh_window.h"
#include "tests/support/window_description.h"
#include "ui/event_loop.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace {

constexpr int TwoLineLabelHeight = 30; // a lower label holds one line

// Whether a label's text, wrapped at `width`, is whole within its height and the lines it may hold.
bool TextFits(const QLabel* label, int width) {
    const QFontMetrics metrics(label->font());
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, width, std::numeric_limits<int>::max() / 2),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
    const int lines = (needed.height() - metrics.height()) / metrics.lineSpacing() + 1;
    return needed.width() <= width && needed.height() <= label->height() &&
           lines <= (label->height() >= TwoLineLabelHeight ? 2 : 1);
}

// Where a control is drawn in the window, whether a frame holds it or the window itself.
QRect DrawnAt(const QWidget* control) {
    return {control->mapTo(control->window(), QPoint()), control->size()};
}

// Each test but the loop's on a freshly built window.
class QtWindow : public testing::Test {
  protected:
    void SetUp() override { OpenFreshWindow(); }
    void TearDown() override { StopControls(); }
};
using QtAccessibility = QtWindow;

TEST_F(QtWindow, IsDrawnAsDescribed) {
    QWidget* window = ParentForNewControls();
    const WindowDescription described = ReadWindowDescription();
    EXPECT_EQ(window->size(), QSize(described.innerWidth, described.innerHeight));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window cannot be resized";
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_FALSE(window->windowIcon().availableSizes().isEmpty()) << "no icon";
    // Centred on the screen along each side where it fits, and at the screen's edge otherwise.
    const QRect screen = window->screen()->geometry();
    const QRect shown = window->geometry();
    for (auto [at, size, screenAt, screenSize] :
         {std::array{shown.x(), shown.width(), screen.x(), screen.width()},
          std::array{shown.y(), shown.height(), screen.y(), screen.height()}}) {
        EXPECT_NEAR(at, size <= screenSize ? screenAt + (screenSize - size) / 2 : screenAt, 1)
            << "not centred";
    }
    for (const DescribedControl& c : described.controls) {
        SCOPED_TRACE("control " + std::to_string(c.id));
        const QWidget* control = ControlWidget(c.id);
        ASSERT_NE(control, nullptr);
        QRect drawn = DrawnAt(control);
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            // Wider only where the described width cannot hold the text.
            if (drawn.width() > c.width) {
                EXPECT_FALSE(TextFits(label, c.width));
                drawn.setWidth(c.width);
            }
        }
        EXPECT_EQ(drawn, QRect(c.x, c.y, c.width, c.height));
    }
    QDir().mkpath(OAMCALC_SCREENSHOTS);
    EXPECT_TRUE(window->grab().save(OAMCALC_SCREENSHOTS "/window.png"));
}

TEST_F(QtWindow, EveryLabelShowsItsWholeTextAndNoControlsOverlap) {
    std::vector<const QWidget*> controls;
    for (ControlId id = FirstControl; id <= LastControl; ++id) {
        controls.push_back(ControlWidget(id));
        if (const auto* label = qobject_cast<const QLabel*>(controls.back())) {
            SCOPED_TRACE(label->text().toStdString());
            EXPECT_EQ(QFontInfo(label->font()).family(), label->font().family()) << "font missing";
            EXPECT_TRUE(TextFits(label, label->width()));
        }
    }
    for (const QWidget* a : controls) {
        for (const QWidget* b : controls) {
            const QRect ra = DrawnAt(a);
            const QRect rb = DrawnAt(b);
            // A frame holds its controls whole; anything else that meets another overlaps it.
            EXPECT_TRUE(a == b || !ra.intersects(rb) || ra.contains(rb) || rb.contains(ra))
                << ControlOfHandle(a) << " overlaps " << ControlOfHandle(b);
        }
    }
}

// A list's text is drawn in the room its arrow leaves, a pixel in from each side; every item,
// the longest first among them, fits there in the list's own font, Liberation Sans at 11 pixels.
TEST_F(QtWindow, EveryListShowsItsLongestItemWhole) {
    constexpr int FontPixels = 11;
    constexpr int TextMargins = 2;
    int lists = 0;
    for (ControlId id = FirstControl; id <= LastControl; ++id) {
        const auto* list = qobject_cast<const QComboBox*>(ControlWidget(id));
        if (!list) {
            continue;
        }
        ++lists;
        EXPECT_EQ(QFontInfo(list->font()).family(), "Liberation Sans");
        EXPECT_EQ(QFontInfo(list->font()).pixelSize(), FontPixels);
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.frame = list->hasFrame();
        const QRect room = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, list);
        const QFontMetrics metrics(list->font());
        for (int item = 0; item < list->count(); ++item) {
            EXPECT_LE(metrics.horizontalAdvance(list->itemText(item)), room.width() - TextMargins)
                << list->itemText(item).toStdString() << " in list " << id;
        }
    }
    EXPECT_GT(lists, 0);
}

// Each control's name and role, the frames around them and a list's first item are read from the
// real accessibility bus (accessibility_tree.py); here, through Qt's interfaces, what that leaves:
// a field's and a spin field's value, each control's enabling, and a list's value after a pick.
TEST_F(QtAccessibility, EveryControlReadsItsValueAndEnablingAndAListItsPick) {
    auto heard = [](ControlId id, QAccessible::Text part) {
        return QAccessible::queryAccessibleInterface(ControlWidget(id))->text(part).toStdString();
    };
    for (const DescribedControl& c : ReadWindowDescription().controls) {
        SCOPED_TRACE("control " + std::to_string(c.id));
        const bool hasValue = c.kind == "field" || c.kind == "list";
        EXPECT_EQ(heard(c.id, QAccessible::Value), c.kind == "spin" ? "0"
                                                   : hasValue       ? c.texts[0]
                                                                    : "");
        EXPECT_EQ(QAccessible::queryAccessibleInterface(ControlWidget(c.id))->state().disabled,
                  c.disabled);
    }
    RunUntilQuiet();
    UserPickItem(RotScaleCombo, 1);
    RunUntilQuiet();
    EXPECT_EQ(heard(RotScaleCombo, QAccessible::Value), "On");
}

// Each look for events wakes Qt's dispatcher: a loop that sleeps wakes a few times in a second, one
// that spins thousands of times, however busy the machine is. The close comes while the program
// waits, so the wait also keeps what the person did for the next poll.
TEST(QtLoop, TheProgramSleepsWhileNobodyActs) {
    constexpr int PersonClosesAfterMilliseconds = 1000;
    constexpr int MostWakings = 200;
    EnsureApplication();
    QObject counter;
    int wakings = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                     &counter, [&wakings] { ++wakings; });
    QTimer::singleShot(PersonClosesAfterMilliseconds, UserCloseWindow);
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_LT(wakings, MostWakings) << "the loop spun";
}

} // namespace
