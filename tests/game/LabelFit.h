#pragma once
// Checks that a label's caption fits inside its control as the painter
// draws it: wrapped lines within the label's height, nothing wider than the
// label. A longer text in one language shows as a clipped line. Where a
// windowed control stands over the label's right part, the text must also
// end before it.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QRect>

#include "Controls.h"
#include "FormPainter.h"
#include "Main.h"

inline Qt::Alignment ExpectedTextAlignment(forms::Alignment a) {
    switch (a) {
        case forms::Alignment::Right: return Qt::AlignRight;
        case forms::Alignment::Center: return Qt::AlignHCenter;
        case forms::Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

// The rectangle the caption covers when the painter draws it with font in
// a box of the label's height and the given width.
inline QRect CaptionBounds(const forms::Label& l, const QFont& font, int width) {
    const QRect box(0, 0, width, l.PixelHeight());
    const int flags = static_cast<int>(ExpectedTextAlignment(l.TextAlign) | Qt::AlignTop) | Qt::TextWordWrap;
    return QFontMetrics(font).boundingRect(box, flags, forms::CaptionText(l.Caption));
}

// uncoveredWidth: pixels from the label's left edge that nothing covers;
// -1 for the whole label.
inline void ExpectCaptionFits(const forms::Label& l, int uncoveredWidth = -1) {
    const QRect box(0, 0, l.PixelWidth(), l.PixelHeight());
    const QRect needed = CaptionBounds(l, forms::LabelFont(l), box.width());
    EXPECT_LE(needed.height(), box.height()) << l.Name << ": \"" << l.Caption << "\"";
    EXPECT_LE(needed.width(), box.width()) << l.Name << ": \"" << l.Caption << "\"";
    EXPECT_GE(needed.left(), 0) << l.Name << ": \"" << l.Caption << "\"";
    const int right = uncoveredWidth < 0 ? box.width() : uncoveredWidth;
    EXPECT_LE(needed.right() + 1, right) << l.Name << ": \"" << l.Caption << "\"";
}

// The table's labels whose captions depend on the language, once the texts
// are loaded. The replay's "disabled" label lies under the column of bid
// pictures, which covers its right part once the deal's bids are shown.
inline void ExpectLanguageLabelsFit(const Main& m) {
    for (const forms::Label* l : {&m.LblClickVidare, &m.LblReplay, &m.LlbDisabled}) {
        ASSERT_FALSE(l->Caption.empty()) << l->Name;
        ExpectCaptionFits(*l);
    }
    ExpectCaptionFits(m.LlbDisabled, m.PBBudet[0].PixelLeft() - m.LlbDisabled.PixelLeft());
}
