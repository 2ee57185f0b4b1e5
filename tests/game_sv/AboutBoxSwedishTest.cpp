// The about box of the Swedish build: its texts, and that they fit the box.
#include <gtest/gtest.h>

#include <string>

#include "../game/AboutBoxFit.h"
#include "AboutBox.h"
#include "Localisation.h"
#include "ProductAddresses.h"
#include "TestTable.h"

namespace {

const forms::Label* labelNamed(const forms::Form& f, const std::string& name) {
    for (const forms::Control* c : f.Controls())
        if (c->Name == name) return dynamic_cast<const forms::Label*>(c);
    return nullptr;
}

TEST(SwedishAboutBox, ShowsTheSwedishTextsAndEachFitsItsControl) {
    TestTable t;
    bool shown = false;
    t.dialogs.onShowModal = [&](forms::Form& f) {
        shown = true;
        EXPECT_EQ(f.Caption, "Om Lumra Quest");
        const forms::Label* info = labelNamed(f, "LblMoreInfo");
        const forms::Label* rights = labelNamed(f, "lblRights");
        ASSERT_TRUE(info && rights);
        EXPECT_EQ(info->Caption, AboutInfoText());
        EXPECT_NE(info->Caption.find("Förbättringsförslag"), std::string::npos);
        EXPECT_EQ(rights->Caption, RightsLineText());
        EXPECT_NE(rights->Caption.find("Alla rättigheter"), std::string::npos);
        for (const forms::Control* c : f.Controls()) {
            if (c->Name == "ResetStatistics") {
                EXPECT_EQ(dynamic_cast<const forms::CommandButton*>(c)->Caption, "Nolla statistiken");
            }
        }
        ExpectAboutTextsFit(f);
    };
    ShowAboutBox();
    EXPECT_TRUE(shown);
}

}  // namespace
