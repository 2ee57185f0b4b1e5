#pragma once
// The table's pictures, drawn in code at start-up: button faces, the glyph
// strips of the bid buttons and the score sheet, the chosen-colour marks,
// the seat and side pictures, the pack and the debug marker. Glyphs are
// drawn for the AND operation: pure white where the background shows.

class Main;

void AssignTablePictures(Main& m);
