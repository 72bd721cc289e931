#pragma once

#include "exchange/Contacts.h"
#include "problem/Problem.h"

#include <QString>
#include <QStringList>
#include <QVector>

// vire-image import from a CardDAV address book: the cards are fetched, then
// read by the same vCard reader as a file, each card on its own.
namespace cli {

// True for an http:// or https:// source.
bool isDavUrl(const QString &source);

// Refuses a source that names another scheme (ftp://, webcal://): it is no file.
void checkScheme(const QString &source);

// Which card each line of a read belongs to. The cards are numbered as if
// they stood one after another in a file, so contacts keep distinct lines and
// the import rules treat them exactly as a file's.
class CardPlaces
{
public:
    void add(int firstLine, const QString &url);

    // A problem on a line of the source placed where the user finds it: on
    // the card's URL, without a line (the URL says it), when the line came
    // from a server; else at source (see atSource) and the line.
    Problem placed(Problem problem, const QString &source) const;
    // A line as a list of places names it: "line 12", or the card's URL.
    QString placeOf(int line) const;

private:
    QVector<int> m_starts;
    QStringList m_urls;
};

// A problem about the source as a whole: a URL (never with its user
// information, even one that is not valid) or a file.
Problem atSource(const QString &source, QString detail);

struct DavOptions
{
    QString user, caFile;
    int timeoutSeconds = 0;    // for the whole run; 0: the client's default
    qsizetype room = -1;       // entries the image can take; fetching stops beyond. Negative: no limit
    bool noProxy = false;      // --no-proxy: no proxy, whatever the environment says
};

// Fetches the cards at url and reads them. Throws VireError when the server
// cannot be read; reading problems are in the result.
exchange::ReadResult readDav(const QString &url, const DavOptions &options, exchange::Mode mode, CardPlaces &places);

} // namespace cli
