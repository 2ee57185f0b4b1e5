#pragma once
// Checks that every caption of the about box fits inside its control.

#include "LabelFit.h"

inline void ExpectAboutTextsFit(const forms::Form& f) {
    int labels = 0;
    for (const forms::Control* c : f.Controls()) {
        const auto* l = dynamic_cast<const forms::Label*>(c);
        if (!l || !l->Visible || l->Caption.empty()) continue;
        ++labels;
        ExpectCaptionFits(*l);
    }
    EXPECT_EQ(labels, 5);
}
