#pragma once

#include "exchange/Table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Spreadsheets as contacts tables: the first sheet of an Office Open XML
// workbook (.xlsx) or an OpenDocument spreadsheet (.ods) read into a Table,
// and rows of text written as either. Both are zip packages of XML parts.
namespace exchange {

enum class SheetFormat { None, Xlsx, Ods };

// Parts read from one package may unpack to this much in all; more is refused
// from the sizes the zip declares, before anything is unpacked.
constexpr qint64 MaxSheetPartsBytes = 64 * 1024 * 1024;

// More cells than this (gaps and repeats filled in) is not a contacts table.
constexpr qint64 MaxSheetCells = 1024 * 1024;

// Xlsx or Ods when the bytes are a zip package holding the parts of one; None
// for anything else (CSV, vCard, another kind of zip).
SheetFormat detectSpreadsheet(const QByteArray &bytes);

// Starts with the signature of a zip file's first entry.
bool looksLikeZip(const QByteArray &bytes);

// The first sheet of an .xlsx or .ods package. Rows without any text are left
// out; Table::lines gives each row's number in the sheet. A number cell's
// text is its value as a spreadsheet shows it by default, without exponent
// (701234567, 1234567890123460), and Cell::numeric is set. A package that
// cannot be read throws VireError saying why.
Table readSpreadsheet(const QByteArray &bytes);

// The XML readers alone, without the zip layer: a worksheet part of an .xlsx
// with its sharedStrings part (may be empty), and the content.xml of an .ods.
Table readXlsxSheet(const QByteArray &sheetXml, const QByteArray &sharedStringsXml);
Table readOdsContent(const QByteArray &contentXml);

// One sheet of text cells, rows as given (header first). Every cell is a
// text cell so that no spreadsheet takes a number's leading zeros. Control
// characters are written as the format's _xHHHH_ escapes and read back.
QByteArray writeXlsx(const QVector<QStringList> &rows);

// As writeXlsx. XML cannot hold control characters other than tab and line
// feed (and a carriage return does not survive a paragraph); each becomes
// '?', and *replaced (when given) receives how many were replaced.
QByteArray writeOds(const QVector<QStringList> &rows, int *replaced = nullptr);

} // namespace exchange
