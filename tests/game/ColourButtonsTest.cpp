#include <gtest/gtest.h>

#include "TestTable.h"

namespace {

struct ColourCase {
    std::int32_t bit;
    const char* firstLine;
    const char* word;
};
std::ostream& operator<<(std::ostream& o, const ColourCase& c) { return o << c.word; }

struct ColourTable : TestTable {
    std::vector<std::string> log;
    ColourTable() { main->AddLogListener([this](const std::string& l) { log.push_back(l); }); }
    forms::Image& up(std::int32_t bit) {
        return bit == 1 ? main->ImgKlUp : bit == 2 ? main->ImgRuUp : bit == 4 ? main->ImgHjUp : main->ImgSpUp;
    }
    forms::Image& dn(std::int32_t bit) {
        return bit == 1 ? main->ImgKlDn : bit == 2 ? main->ImgRuDn : bit == 4 ? main->ImgHjDn : main->ImgSpDn;
    }
    forms::Image& chosen(std::int32_t bit) {
        return bit == 1   ? main->ImgKlChosen
               : bit == 2 ? main->ImgRuChosen
               : bit == 4 ? main->ImgHjChosen
                          : main->ImgSpChosen;
    }
};

class ColourButton : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourButton, NamesTheTrumpColourAndGoesOnToTheDiscard) {
    const ColourCase& c = GetParam();
    ColourTable t;
    Main& m = t.m();
    m.gbBjuditHogst = 0;
    m.myGameStatus = 4;
    m.Label[0].ForeColor = forms::RGB(255, 255, 0);
    m.LoadFargForm();
    for (std::int32_t b : {1, 2, 4, 8}) EXPECT_TRUE(t.up(b).Visible);
    // A click through the form: the up face takes the press, the release
    // goes to it although the press hid it.
    forms::Image& face = t.up(c.bit);
    m.form.PressMouse(face.PixelLeft() + 5, face.PixelTop() + 5, 1);
    EXPECT_FALSE(face.Visible);
    EXPECT_TRUE(t.dn(c.bit).Visible);
    m.form.ReleaseMouse(face.PixelLeft() + 5, face.PixelTop() + 5, 1);

    EXPECT_EQ(m.gbFarg, c.bit);
    EXPECT_EQ(m.Hand[0].MinFarg, c.bit);
    for (std::int32_t b : {1, 2, 4, 8}) {
        EXPECT_FALSE(t.up(b).Visible);
        EXPECT_FALSE(t.dn(b).Visible);
        EXPECT_EQ(t.chosen(b).Visible, b == c.bit);
    }
    ASSERT_GE(t.log.size(), 4u);
    EXPECT_EQ(t.log[0], c.firstLine);
    EXPECT_EQ(t.log[1], "<FARG>");
    EXPECT_EQ(t.log[2], c.word);
    EXPECT_EQ(t.log[3], std::string(60, '*'));
    EXPECT_EQ(m.Label[0].ForeColor, forms::RGB(0, 0, 0));
    EXPECT_EQ(m.myGameStatus, 5);
    EXPECT_EQ(m.Timer1.Tag, "FARGVALD") << "the discard waits for its tick";
}

INSTANTIATE_TEST_SUITE_P(Colours, ColourButton,
                         ::testing::Values(ColourCase{1, "HUMAN Selects color Klöver", "KLOVER"},
                                           ColourCase{2, "HUMAN Selects color Ruter", "RUTER"},
                                           ColourCase{4, "HUMAN Selects color Hjärter", "HJARTER"},
                                           ColourCase{8, "HUMAN Selects color Spader", "SPADER"}));

// Continue stands on the diamonds button's place during a reloaded deal.
TEST(ColourButtons, ContinueMakesWayForTheDiamondsButtonAndComesBack) {
    ColourTable t;
    Main& m = t.m();
    m.ImgContUp.Visible = true;
    m.LoadFargForm();
    EXPECT_FALSE(m.ImgContUp.Visible);
    m.form.ClickAt(m.ImgRuUp.PixelLeft() + 5, m.ImgRuUp.PixelTop() + 5);
    EXPECT_EQ(m.gbFarg, 2);
    EXPECT_TRUE(m.ImgContUp.Visible);
}

TEST(ColourButtons, UnloadHidesTheFacesAndKeepsTheChosenPicture) {
    ColourTable t;
    Main& m = t.m();
    m.ImgSpChosen.Visible = true;
    m.UnloadFargForm();
    EXPECT_TRUE(m.ImgSpChosen.Visible);
    m.LoadFargForm();
    m.ImgHjUp_MouseDown();
    m.UnloadFargForm();
    for (forms::Image* img : {&m.ImgKlUp, &m.ImgRuUp, &m.ImgHjUp, &m.ImgSpUp, &m.ImgKlDn, &m.ImgRuDn, &m.ImgHjDn,
                              &m.ImgSpDn})
        EXPECT_FALSE(img->Visible);
    EXPECT_TRUE(t.log.empty());
}

}  // namespace
