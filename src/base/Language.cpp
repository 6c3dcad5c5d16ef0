#include "Language.h"

bool EnglishVersion = false;
