#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

#include <vector>

// A notebook found in the notebooks folder, for choosing one to open.
struct SavedNotebook {
    QString Name;
    QDateTime Saved;
    QImage FirstPage; // null when the first page cannot be read
};

// Every notebook index in the folder, newest first.
std::vector<SavedNotebook> ListSavedNotebooks(const QString& folder);
