#pragma once

// Texts that more than one window shows, English and Russian.

#include "Language.h"

namespace CommonTexts {
inline constexpr TText FileExists{"The file already exists. Rewrite it?",
                                  "Файл уже существует. Переписать?"};
} // namespace CommonTexts
