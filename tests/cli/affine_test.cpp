// The rotation/scaling matrix, screen to texture, against values worked out by hand:
// cos 30 = 0.8660 (221.7/256), sin 30 = 0.5 (128/256), cos 45 = sin 45 = 0.7071 (181.02/256).
#include "tests/cli/run_cli.h"

#include <gtest/gtest.h>

namespace {

struct Forward {
    std::vector<std::string> args;
    std::string hex; // PA PB PC PD
};

std::string HexOf(const std::string& out) {
    std::string hex;
    for (const char* name : {"PA=", "PB=", "PC=", "PD="}) {
        std::size_t at = out.find(name);
        hex += (hex.empty() ? "" : " ") + (at == std::string::npos ? "?" : out.substr(at + 3, 4));
    }
    return hex;
}

TEST(Affine, AngleAndScaleGiveTheMatrix) {
    for (const Forward& f : {
             Forward{{"--angle", "0"}, "0100 0000 0000 0100"},
             Forward{{"--angle", "90"}, "0000 FF00 0100 0000"},
             Forward{{"--angle", "180"}, "FF00 0000 0000 FF00"},
             Forward{{"--angle", "-90"}, "0000 0100 FF00 0000"},
             Forward{{"--angle", "30"}, "00DE FF80 0080 00DE"},
             Forward{{"--angle", "45", "--scale", "2"}, "005B FFA5 005B 005B"},
             Forward{{"--scale", "2,0.5"}, "0080 0000 0000 0200"},
             Forward{{"--scale", "0.25"}, "0400 0000 0000 0400"},
         }) {
        std::vector<std::string> args{"affine"};
        args.insert(args.end(), f.args.begin(), f.args.end());
        EXPECT_EQ(HexOf(Cli(args).out), f.hex) << f.args[1];
    }
    EXPECT_NE(Cli({"affine", "--angle", "90"}).out.find("PBValue=-1.0 PCValue=1.0"),
              std::string::npos);
}

TEST(Affine, ValuesOutsideSigned88AreRefused) {
    EXPECT_EQ(Cli({"affine", "--scale", "0.001"}).exitCode, BadFieldExit);
    EXPECT_EQ(Cli({"affine", "--scale", "0"}).exitCode, BadFieldExit);
    EXPECT_EQ(Cli({"affine", "0000", "0000", "0100", "0000"}).exitCode, BadFieldExit);
    EXPECT_EQ(Cli({"affine", "10000", "0", "0", "0100"}).exitCode, BadFieldExit);
}

struct Back {
    std::vector<std::string> halfwords;
    std::string answer;
};

TEST(Affine, MatrixGivesBackAngleAndScales) {
    for (const Back& b : {
             Back{{"0100", "0000", "0000", "0100"}, "angle=0.0 scaleX=1.0 scaleY=1.0 shear=0"},
             Back{{"0000", "FF00", "0100", "0000"}, "angle=90.0 scaleX=1.0 scaleY=1.0 shear=0"},
             Back{{"FF00", "0", "0", "FF00"}, "angle=180.0 scaleX=1.0 scaleY=1.0 shear=0"},
             Back{{"0080", "0", "0", "0200"}, "angle=0.0 scaleX=2.0 scaleY=0.5 shear=0"},
             Back{{"0100", "0", "0", "FF00"}, "angle=0.0 scaleX=1.0 scaleY=-1.0 shear=0"},
             Back{{"0100", "0080", "0", "0100"}, "angle=-26.57 scaleX=0.894 scaleY=1.0 shear=1"},
         }) {
        std::vector<std::string> args{"affine"};
        args.insert(args.end(), b.halfwords.begin(), b.halfwords.end());
        EXPECT_EQ(Cli(args).out, b.answer + "\n") << b.halfwords[0];
    }
}

TEST(Affine, RoundTripsWithinRounding) {
    for (double degrees : {-170.0, -45.0, 0.0, 12.5, 30.0, 90.0, 135.0}) {
        for (const std::string scale : {"1", "0.5", "2,3", "0.75,1.5"}) {
            CliRun forward = Cli({"affine", "--angle", std::to_string(degrees), "--scale", scale});
            std::string hex = HexOf(forward.out);
            CliRun back = Cli({"affine", hex.substr(0, 4), hex.substr(5, 4), hex.substr(10, 4),
                               hex.substr(15, 4)});
            double angle = std::stod(back.out.substr(back.out.find("angle=") + 6));
            EXPECT_NEAR(angle, degrees, 1.0) << scale;
            EXPECT_NE(back.out.find("shear=0"), std::string::npos) << back.out;
        }
    }
}

} // namespace
