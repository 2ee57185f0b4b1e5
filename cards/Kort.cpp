#include "Kort.h"

#include "VbText.h"

std::string CardKey(int nr) { return StrNum(nr); }
