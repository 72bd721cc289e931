#pragma once

#include "carddav/Failure.h"
#include "carddav/Multistatus.h"

#include <QUrl>

// Finding the address book a URL names, and the rules for URLs and statuses
// that discovery and fetching share. Inside carddav/ only.
namespace carddav {

class Session;
struct Answer;

namespace dav {

// href read against base, its dot segments and fragment gone.
QUrl resolved(const QUrl &base, const QString &href);
// As the server sent it, percent-encoded, so that a user can paste it back.
QString encoded(const QUrl &url);
bool sameResource(const QUrl &a, const QUrl &b);
// inner is outer or lies below it on the same origin.
bool within(const QUrl &inner, const QUrl &outer);
// A response's own status: none, or 2xx.
bool ok(int status);
// A server that cannot run a REPORT says so with one of these.
bool unsupported(int status);
// How messages word a status: "not found (HTTP 404)" for 404 and 410, "the
// server failed (HTTP 503)" for 5xx, "access forbidden (HTTP 403)", "user name
// or password refused (HTTP 401)"; any other as "HTTP 302".
QString statusText(int status);
// One of those worded statuses as the error it makes: its kind, and statusText
// followed by what to do.
[[noreturn]] void failStatus(const QUrl &url, int status);
// The answer's multistatus; a 5xx says the server failed.
Multistatus multistatus(Session &client, const Answer &a);

// The address book the URL names, or the only one below a server's root, its
// /.well-known/carddav, a principal or an address-book home set. Discovery
// walks downward only: from anything else it stops, naming what it found.
QUrl findAddressBook(Session &client, const QUrl &start);

} // namespace dav
} // namespace carddav
