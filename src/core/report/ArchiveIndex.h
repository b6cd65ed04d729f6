#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <utility>

// The index file of the report archive: a section a report ("[name]"), and in it its data as
// "key=value" lines, in the syntax of Qt's INI settings files, so that every version of the
// workstation reads it. The file is only ever added to: nothing in it is rewritten, so a line the
// workstation cannot read (damaged, or written by hand) stays as it is, and so does every record
// around it.

// The keys and values of one section.
using ArchiveIndexSection = QHash<QString, QString>;

// Every section of the index at path, by name. A line that cannot be read is passed over alone; a
// section named twice is one, the later lines deciding. Empty when there is no index.
QHash<QString, ArchiveIndexSection> ReadArchiveIndex(const QString &path);

// Adds a section with values (in this order) at the end of the index at path, making the file
// when there is none. False when it could not be written whole; the file is then as it was.
bool AppendArchiveIndex(const QString &path, const QString &section, const QList<std::pair<QString, QString>> &values);

// A text as a value of the index, and a value's text as it reads back.
QByteArray ArchiveIndexValue(const QString &text);
QString ArchiveIndexText(QStringView value);
