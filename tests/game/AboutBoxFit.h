#pragma once
// Checks that every caption of the about box fits inside its control as the
// painter draws it: wrapped lines within the label's height, nothing wider
// than the label. A longer text in one language shows as a clipped line.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QRect>

#include "Controls.h"
#include "FormPainter.h"

inline void ExpectAboutTextsFit(const forms::Form& f) {
    int labels = 0;
    for (const forms::Control* c : f.Controls()) {
        const auto* l = dynamic_cast<const forms::Label*>(c);
        if (!l || !l->Visible || l->Caption.empty()) continue;
        ++labels;
        const QRect box(0, 0, l->PixelWidth(), l->PixelHeight());
        const QRect needed = QFontMetrics(forms::LabelFont(*l))
                                 .boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                               forms::CaptionText(l->Caption));
        EXPECT_LE(needed.height(), box.height()) << l->Name << ": \"" << l->Caption << "\"";
        EXPECT_LE(needed.width(), box.width()) << l->Name << ": \"" << l->Caption << "\"";
    }
    EXPECT_EQ(labels, 5);
}
