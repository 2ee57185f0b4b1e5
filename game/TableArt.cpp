#include "TableArt.h"

#include "Main.h"

// The table's pictures are still to be drawn; the controls stand without them.
void AssignTablePictures(Main&) {}
