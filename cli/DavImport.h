#pragma once

#include "exchange/Contacts.h"

#include <QString>
#include <QStringList>
#include <QVector>

// vire-image import from a CardDAV address book: the cards are fetched, then
// read by the same vCard reader as a file, each card on its own.
namespace cli {

// True for an http:// or https:// source.
bool isDavUrl(const QString &source);

// Which card each line of a read belongs to. The cards are numbered as if
// they stood one after another in a file, so contacts keep distinct lines and
// the import rules treat them exactly as a file's.
class CardPlaces
{
public:
    void add(int firstLine, const QString &url);

    // The card's URL for a line, or source when nothing came from a server.
    QString where(const QString &source, int line) const;
    // The line to show beside where(): none for a card, its URL says it.
    int line(int line) const;
    // "line 12" in a message becomes the card's URL.
    QString named(QString text) const;

private:
    QVector<int> m_starts;
    QStringList m_urls;
};

// The source as messages name it: a URL without user information, made safe.
QString shownSource(const QString &source);

struct DavOptions
{
    QString user, caFile;
    int timeoutSeconds = 0;    // for the whole run; 0: the client's default
    qsizetype room = -1;       // entries the image can take; fetching stops beyond. Negative: no limit
};

// Fetches the cards at url and reads them. Throws tool::Failure with the
// message when the server cannot be read; reading problems are in the result.
exchange::ReadResult readDav(const QString &url, const DavOptions &options, exchange::Mode mode, CardPlaces &places);

} // namespace cli
