#pragma once

#include <QString>

namespace norvel {

class FileAssociations;
struct ReaderPlatform;

// Opens a product document in the machine's PDF reader: the reader kept in the settings (a
// program, or on a free desktop an entry of the associations), or else the one the system
// associates with PDF files (kept once it has started), or else the one the user points to.
// Every failure is told to the user; nothing is thrown.
void OuvrirDocument(const QString &document);
void OuvrirDocument(const QString &document, ReaderPlatform &platform);

// A value of the file associations (the classes root): empty when the key or value is
// missing, without a trailing NUL.
QString LireRegistre(FileAssociations &associations, const QString &key, const QString &name);

// The reader program the user points to in a file dialog, asked again while the choice is
// not a reader; empty when the user gives up.
QString ChercherLecteurPdf(const ReaderPlatform &platform);

// The program of an open command: the quoted path when the command begins with a quote,
// otherwise the whole command.
QString readerOfCommand(const QString &command);

} // namespace norvel
