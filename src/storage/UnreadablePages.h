#pragma once

#include <QString>

#include <optional>
#include <vector>

// Page files a save must not write over: files under a page's name that are no page this
// program can read (a compressed picture of a kind it does not know, a drawing in another
// format). The child's pages opened blank in their place; the files are kept.

// The pages (counting from 1) of the notebook whose files are there and cannot be read.
std::vector<int> UnreadablePages(const QString& folder, const QString& name);

// Keeps the file of `page` beside the notebook as "NAME, strona N (nieodczytana).EXT", with a
// number added when that is taken and the ending its contents call for; the file itself stays
// where it is. The new file name, or nothing with errno set.
std::optional<QString> KeepPageFile(const QString& folder, const QString& name, int page);
