# A scripted CardDAV server for vire-image's tests: one scenario per first
# path segment (/digest/book/ is the "digest" scenario), some of them hostile.
# It listens on 127.0.0.1 and, as "another host", on 127.0.0.2 at the same
# port, plus optionally over TLS on both at another port (given a certificate
# and key).
#
#   hostile_dav.py LOG [CERT KEY]
#
# prints "PORT TLSPORT PROXYPORT" (TLSPORT 0 without a certificate) and serves
# until killed. PROXYPORT is a web proxy on both addresses (see Proxy below).
# LOG gets one line per request,
#   request HOST METHOD PATH AUTHORIZATION     (AUTHORIZATION "-" when none)
#   proxy HOST METHOD TARGET PROXY-AUTHORIZATION
# and the free-form notes scenarios write with note().
import base64, hashlib, re, secrets, socket, socketserver, ssl, struct, sys, threading, time, xml.etree.ElementTree as ET
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from contextlib import suppress
from urllib.parse import urlsplit

LOG = sys.argv[1]
log_lock = threading.Lock()
SCENARIOS = {}


def note(line):
    with log_lock, open(LOG, 'a', encoding='utf-8') as f:
        f.write(line + '\n')


def scenario(name):
    def register(handler):
        SCENARIOS[name] = handler
        return handler
    return register


def response(href, prop, status='200 OK'):
    return ('<d:response><d:href>%s</d:href><d:propstat><d:prop>%s</d:prop>'
            '<d:status>HTTP/1.1 %s</d:status></d:propstat></d:response>' % (href, prop, status))


def missing(href):
    return response(href, '', '404 Not Found')


def multistatus(inner):
    return ('<?xml version="1.0"?><d:multistatus xmlns:d="DAV:" '
            'xmlns:c="urn:ietf:params:xml:ns:carddav">%s</d:multistatus>' % inner)


BOOK_TYPE = '<d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>'


def hrefs_asked(rq):
    return [e.text for e in ET.fromstring(rq.body).iter('{DAV:}href')]


def vcard(i):
    return 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Person %d\r\nTEL:%d\r\nEND:VCARD\r\n' % (i, 100000 + i)


ETAG = '<d:getetag>"1"</d:getetag>'


def with_data(href, text, etag=ETAG):
    return response(href, etag + '<c:address-data>%s</c:address-data>' % text)


# The cards numbered in base, vcard(i) each.
def cards_at(base, numbers, etag=''):
    return ''.join(with_data(base + 'c%d.vcf' % i, vcard(i), etag) for i in numbers)


BAD_REQUEST = b'HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\nConnection: close\r\n\r\n'


def basic(credentials):
    return 'Basic ' + base64.b64encode(credentials.encode()).decode()


def auth_fields(header):
    return {k: q if q else t for k, q, t in re.findall(r'(\w+)=(?:"([^"]*)"|([^\s,]+))', header)}


class Dav(BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass

    # A TLS handshake on a plain port is answered as many web servers answer
    # it: with a 400.
    def handle(self):
        try:
            handshake = not isinstance(self.connection, ssl.SSLSocket) and self.connection.recv(1, socket.MSG_PEEK) == b'\x16'
        except OSError:
            return
        if handshake:
            return self.connection.sendall(BAD_REQUEST)
        super().handle()

    # The host the client connected to: 127.0.0.2 is "another host".
    def host(self):
        return self.connection.getsockname()[0]

    # headers: (name, value) pairs, a name maybe more than once.
    def reply(self, status, body='', headers=(), content_type='application/xml; charset=utf-8', length=None):
        body = body.encode() if isinstance(body, str) else body
        self.send_response(status)
        for k, v in headers:
            self.send_header(k, v)
        if content_type:
            self.send_header('Content-Type', content_type)
        if length != 'chunked':
            self.send_header('Content-Length', str(len(body) if length is None else length))
        else:
            self.send_header('Transfer-Encoding', 'chunked')
        self.end_headers()
        self.wfile.write(body)

    def handle_any(self):
        self.body = self.rfile.read(int(self.headers.get('Content-Length', 0) or 0))
        note('request %s %s %s %s' % (self.host(), self.command, self.path,
                                      self.headers.get('Authorization', '-')))
        if 'Proxy-Authorization' in self.headers:
            note('proxy password reached the server')
        handler = SCENARIOS.get((self.path.split('/') + [''])[1])
        return handler(self) if handler else self.reply(404)

    do_GET = do_PROPFIND = do_REPORT = do_OPTIONS = handle_any


# ---- the scenarios of the transport: sessions, passwords, transfers ----

nonces = set()


def new_nonce():
    nonce = secrets.token_hex(8)
    nonces.add(nonce)
    return nonce


def digest_challenge(realm, algorithm='MD5', nonce=None, more=''):
    return ('WWW-Authenticate', 'Digest realm="%s", nonce="%s", qop="auth", algorithm=%s%s'
            % (realm, nonce or new_nonce(), algorithm, more))


# Whether the request carries anna's Digest answer with password, to a nonce
# given here, and its fields.
def digest_ok(rq, realm, password, algorithm='MD5'):
    h = rq.headers.get('Authorization', '')
    H = lambda s: hashlib.new(algorithm.replace('-', '').lower(), s.encode()).hexdigest()
    f = auth_fields(h)
    ha1, ha2 = H('anna:%s:%s' % (realm, password)), H('%s:%s' % (rq.command, rq.path))
    expected = H(':'.join([ha1, f.get('nonce', ''), f.get('nc', ''), f.get('cnonce', ''), 'auth', ha2]))
    return (h.startswith('Digest ') and f.get('username') == 'anna' and f.get('nonce') in nonces
            and f.get('algorithm') == algorithm and f.get('uri') == rq.path and f.get('qop') == 'auth'
            and f.get('response') == expected), f


# A server as some are: Digest only, no addressbook-query, so cards come by
# PROPFIND and addressbook-multiget. Notes each Digest checked and each REPORT.
DIGEST_CARDS = {'/digest/book/c%d.vcf' % i: vcard(i) for i in range(250)}


@scenario('digest')
def digest_only(rq):
    ok = digest_ok(rq, 'fake', 'secret')[0]
    if 'Authorization' in rq.headers:
        note('digest ' + ('ok' if ok else 'refused'))
    if not ok:
        return rq.reply(401, headers=[digest_challenge('fake')])
    book(rq, len(DIGEST_CARDS), query=lambda base: note('query') or 501,
         multiget=lambda hrefs: ''.join(with_data(h, DIGEST_CARDS[h], '') if h in DIGEST_CARDS else missing(h)
                                        for h in hrefs))


# An address book of one card at rq.path: what a scenario answers once it
# is satisfied.
def one_card_book(rq):
    rq.reply(207, multistatus(response(rq.path, BOOK_TYPE) if rq.command == 'PROPFIND' else cards_at(rq.path, [0])))


# /cut/HOW/: the address book's query answer breaks off. length: a whole
# document of one card where three were announced; chunked: no last chunk;
# short-chunk: a chunk shorter than announced, the document cut; reset: the
# connection reset halfway.
@scenario('cut')
def cut(rq):
    how = rq.path.split('/')[2]
    if rq.command == 'PROPFIND':
        return one_card_book(rq)
    one, three = multistatus(cards_at(rq.path, [1])).encode(), multistatus(cards_at(rq.path, range(3))).encode()
    half = three[:len(three) // 2]
    length, sent = {'length': (len(three), one), 'reset': (len(three), half),
                    'chunked': ('chunked', b'%x\r\n%s\r\n' % (len(one), one)),
                    'short-chunk': ('chunked', b'%x\r\n%s' % (len(three), half))}[how]
    rq.close_connection = True
    rq.reply(207, sent, length=length)
    rq.wfile.flush()
    if how == 'reset':
        rq.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack('ii', 1, 0))


# A principal at rq.path whose address books live at home.
def principal_of(rq, home):
    rq.reply(207, multistatus(response(rq.path, '<d:resourcetype><d:collection/><d:principal/></d:resourcetype>'
                                                '<c:addressbook-home-set><d:href>%s</d:href></c:addressbook-home-set>' % home)))


# /redirect-away/: sends the client on to another host, which asks for a
# password. /href-away/: a principal whose address books live there.
# /tls-down/ over TLS: a principal whose home set is on plain http://.
# /.well-known/carddav leads to /tree/.
# /asks/ on either host: Basic for anna:secret, then a book of one card.
away = lambda rq: 'http://127.0.0.2:%d/asks/' % rq.server.server_address[1]
SCENARIOS.update({
    'redirect-away': lambda rq: rq.reply(307, headers=[('Location', away(rq))]),
    'href-away': lambda rq: principal_of(rq, away(rq)),
    'tls-down': lambda rq: principal_of(rq, 'http://127.0.0.1:%d/plain/' % PORT),
    'asks': lambda rq: (one_card_book(rq) if rq.headers.get('Authorization') == basic('anna:secret')
                        else rq.reply(401, headers=[('WWW-Authenticate', 'Basic realm="asks"')])),
    '.well-known': lambda rq: (rq.reply(301, headers=[('Location', '/tree/')]) if rq.path == '/.well-known/carddav'
                               else rq.reply(404)),
})


# /drip/BYTES/MS/: a 400 KiB answer, BYTES at a time every MS milliseconds.
@scenario('drip')
def drip(rq):
    step, pause = int(rq.path.split('/')[2]), int(rq.path.split('/')[3]) / 1000
    body = multistatus(response(rq.path, BOOK_TYPE) + '<!--%s-->' % ('x' * 400 * 1024)).encode()
    rq.close_connection = True
    rq.reply(207, b'', length=len(body))
    with suppress(OSError):   # the client gave up, as it should
        for i in range(0, len(body), step):
            rq.wfile.write(body[i:i + step])
            rq.wfile.flush()
            time.sleep(pause)


# /utf8/SCHEME/: anna's password is "pass€word", checked as UTF-8 in Basic,
# Digest with MD5, or Digest with SHA-256 (offered beside MD5, which it
# refuses: the stronger one must be chosen); stale: MD5, each answer to a new
# nonce called stale once.
UTF8_PASSWORD = 'pass\u20acword'
stale_given = set()


@scenario('utf8')
def utf8(rq):
    how = rq.path.split('/')[2]
    if how == 'basic':
        ok = rq.headers.get('Authorization') == basic('anna:' + UTF8_PASSWORD)
        challenges = [('WWW-Authenticate', 'Basic realm="utf8", charset="UTF-8"')]
    else:
        ok, f = digest_ok(rq, 'utf8', UTF8_PASSWORD, 'SHA-256' if how == 'sha256' else 'MD5')
        challenges = [digest_challenge('utf8', a) for a in (['MD5', 'SHA-256'] if how == 'sha256' else ['MD5'])]
        if how == 'stale' and ok and f['nonce'] not in stale_given:
            nonce = new_nonce()
            stale_given.add(nonce)
            challenges = [digest_challenge('utf8', nonce=nonce, more=', stale=true')]
            ok = False
    note('utf8 ' + ('ok' if ok else 'refused'))
    if not ok:
        return rq.reply(401, headers=challenges, content_type=None)
    one_card_book(rq)


# Answers that are no answer, the same to every request: a token wanted, a
# server failing, a body that cannot be decompressed, a Content-Type of escape
# sequences, a Digest challenge whose realm holds escape sequences. The
# server's root is forbidden (/.well-known/carddav leads to /tree/).
FIXED = {
    'bearer': dict(status=401, headers=[('WWW-Authenticate', 'Bearer realm="api"')]),
    'fail500': dict(status=500, body='Internal error', content_type='text/plain'),
    'gzip': dict(status=207, body=b'\x1f\x8b\x08\x00 not gzip at all', headers=[('Content-Encoding', 'gzip')]),
    'escape': dict(status=200, body='hello', content_type='text/html\x1b]0;owned\x07\x1b[2J'),
    'control': dict(status=401, headers=[('WWW-Authenticate', 'Digest realm="a\x1b]0;x\x07\x1b[2J", nonce="n1", qop="auth"')]),
    '': dict(status=403),
}
for name, answer in FIXED.items():
    scenario(name)(lambda rq, answer=answer: rq.reply(**answer))


# ---- the scenarios of discovery and cards ----


def book(rq, cards, query, multiget=None, get=None, listing=None, base=None):
    """An address book at base (/SCENARIO/book/ unless given) whose answers the
    scenario scripts: query(base) is the addressbook-query's multistatus body
    or an HTTP status, multiget(hrefs) likewise, get(path) the card's text or
    None for a 404, listing the status of a PROPFIND at depth 1 (if not given: 207 and the cards)."""
    base = base or '/%s/book/' % rq.path.split('/')[1]
    if rq.command == 'PROPFIND' and rq.path == base:
        listed = rq.headers.get('Depth') == '1'
        if listed:
            note('listing')
        if listed and listing:
            return rq.reply(listing)
        out = ''.join(response(base + 'c%d.vcf' % i, '<d:resourcetype/><d:getetag>"%d"</d:getetag>' % i)
                      for i in range(cards if listed else 0))
        return rq.reply(207, multistatus(response(base, BOOK_TYPE) + out))
    if rq.command == 'REPORT' and rq.path == base:
        if b'addressbook-query' in rq.body:
            answer = query(base)
        else:
            note('multiget ' + ' '.join(hrefs_asked(rq)))
            answer = multiget(hrefs_asked(rq))
        return rq.reply(answer) if isinstance(answer, int) else rq.reply(207, multistatus(answer))
    if rq.command == 'GET' and get:
        text = get(rq.path)
        return rq.reply(200, text, content_type='text/vcard') if text is not None else rq.reply(404)
    rq.reply(404)


def etag_only(href):
    # The address-data in a 404 propstat, as a server lacking it answers.
    return ('<d:response><d:href>%s</d:href><d:propstat><d:prop><d:getetag>"1"</d:getetag></d:prop>'
            '<d:status>HTTP/1.1 200 OK</d:status></d:propstat><d:propstat><d:prop><c:address-data/></d:prop>'
            '<d:status>HTTP/1.1 404 Not Found</d:status></d:propstat></d:response>' % href)


def listed(base, count):
    return ''.join(etag_only(base + 'c%d.vcf' % i) for i in range(count))


def by_get(path):
    return vcard(int(path[-5]))


ETAG_ONLY = ['/etag-only/book/c0.vcf', '/etag-only/book/c1.vcf', '/etag-only/book/missing%20card.vcf']
NO_NUMBER = 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Person %d\r\nEND:VCARD\r\n'
BOOKS = {
    # Three cards listed with only their etags: c0 comes by multiget, c1 only
    # by GET, "missing card" answers 404 to both.
    'etag-only': dict(cards=3, query=lambda base: ''.join(etag_only(p) for p in ETAG_ONLY),
                      multiget=lambda hrefs: ''.join(with_data(h, vcard(0)) if h == ETAG_ONLY[0] else
                                                     etag_only(h) if h == ETAG_ONLY[1] else missing(h)
                                                     for h in hrefs),
                      get=lambda path: vcard(1) if path == ETAG_ONLY[1] else None),
    'not-vcard': dict(cards=2, query=lambda base: with_data(base + 'c0.vcf', vcard(0))
                      + with_data(base + 'c1.vcf', '&lt;html&gt;Internal error&lt;/html&gt;')),
    'empty': dict(cards=0, query=lambda base: ''),
    # Each card twice in one answer, as Calypso sends them.
    'duplicates': dict(cards=2, query=lambda base: cards_at(base, (0, 1, 0, 1), ETAG)),
    # The query fails; a PROPFIND lists the cards, each comes by GET.
    'query-fails': dict(cards=2, query=lambda base: 500, get=by_get),
    # The query lists without data, the multiget fails: PROPFIND, then GET.
    'multiget-fails': dict(cards=2, query=lambda base: listed(base, 2), multiget=lambda hrefs: 502, get=by_get),
    # Everything fails.
    'all-fail': dict(cards=2, query=lambda base: 500, listing=503),
    'deep': dict(cards=1, query=lambda base: response(base + 'c0.vcf', '<x>' + '<y>' * 200000 + '</y>' * 200000 + '</x>')),
    # More cards than any image holds, listed without data.
    'too-many': dict(cards=2500, query=lambda base: listed(base, 2500),
                     multiget=lambda hrefs: ''.join(with_data(h, vcard(0)) for h in hrefs)),
    # More cards than any image holds, but most without a number: they fit.
    'numberless': dict(cards=2100, query=lambda base: ''.join(
        with_data(base + 'c%d.vcf' % i, vcard(i) if i % 21 == 0 else NO_NUMBER % i) for i in range(2100))),
}
for name, script in BOOKS.items():
    scenario(name)(lambda rq, script=script: book(rq, **script))


# /late/: a redirect to the other host, which answers 0.5 s later with a
# redirect back to /late/book/, a book of one card; 50 ms after the first
# redirect (long after a client read it, long before it asks again), an
# answer nobody asked for follows it on the same connection, with a card of
# its own.
@scenario('late')
def late(rq):
    port = rq.server.server_address[1]
    if rq.path == '/late/':
        rq.reply(307, headers=[('Location', 'http://127.0.0.2:%d/late/slow/' % port)])
        time.sleep(0.05)
        injected = multistatus(response('/late/book/', BOOK_TYPE) + with_data(
            '/late/book/c9.vcf', 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Injected\r\nTEL:666\r\nEND:VCARD\r\n')).encode()
        rq.wfile.write(b'HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\nContent-Length: %d\r\n\r\n%s'
                       % (len(injected), injected))
    elif rq.path == '/late/slow/':
        time.sleep(0.5)
        rq.reply(307, headers=[('Location', 'http://127.0.0.1:%d/late/book/' % port)])
    else:
        one_card_book(rq)


# /big/COUNT/KIB/book/: COUNT cards of about KIB KiB each, for measuring memory.
@scenario('big')
def big_book(rq):
    count, kib = int(rq.path.split('/')[2]), int(rq.path.split('/')[3])
    note_line = 'NOTE:' + 'x' * (kib * 1024) + '\r\n'
    book(rq, count, lambda base: ''.join(with_data(base + 'c%d.vcf' % i, vcard(i).replace('END:VCARD', note_line + 'END:VCARD'))
                                         for i in range(count)), base='/big/%d/%d/book/' % (count, kib))


# A server's layout: /tree/ is a context root (as /remote.php/dav/ is),
# /tree/p/ the principal, /tree/home/ its address-book home set with books
# b and a (listed in that order), beside a calendar, a calendar home, a book
# that does not exist and one the user may not read (statuses inside a 207).
TREE = {
    '/tree/': '<d:resourcetype><d:collection/></d:resourcetype>',
    '/tree/p/': '<d:resourcetype><d:principal/></d:resourcetype>'
                '<c:addressbook-home-set><d:href>/tree/home/</d:href></c:addressbook-home-set>',
    '/tree/home/': '<d:resourcetype><d:collection/></d:resourcetype>',
    # A display name that would print a fake URL line, reversed.
    '/tree/home/b/': BOOK_TYPE + '<d:displayname>Bee&#10;  http://evil.example/&#x202E;</d:displayname>',
    '/tree/home/a/': BOOK_TYPE + '<d:displayname>Ay</d:displayname>',
    '/tree/home/a/c0.vcf': '<d:resourcetype/><d:getcontenttype>text/vcard; charset=utf-8</d:getcontenttype>',
    '/tree/cal/': '<d:resourcetype><d:collection/><cal:calendar xmlns:cal="urn:ietf:params:xml:ns:caldav"/>'
                  '</d:resourcetype>',
    '/tree/calhome/': '<d:resourcetype><d:collection/></d:resourcetype>',
}
GONE = {'/tree/home/gone/': '404 Not Found', '/tree/home/locked/': '403 Forbidden'}


@scenario('tree')
def tree(rq):
    if rq.command != 'PROPFIND':
        return rq.reply(405)
    if rq.path in GONE:
        return rq.reply(207, multistatus('<d:response><d:href>%s</d:href><d:status>HTTP/1.1 %s</d:status>'
                                         '</d:response>' % (rq.path, GONE[rq.path])))
    if rq.path not in TREE:
        return rq.reply(404)
    principal = '<d:current-user-principal><d:href>/tree/p/</d:href></d:current-user-principal>'
    out = response(rq.path, TREE[rq.path] + principal)
    if rq.headers.get('Depth') == '1':
        out += ''.join(response(p, TREE[p]) for p in TREE
                       if p != rq.path and p.startswith(rq.path) and p[len(rq.path):].rstrip('/').count('/') == 0)
    rq.reply(207, multistatus(out))



# ---- the proxy ----

# A web proxy as offices have them: CONNECT tunnels to the TLS port only (any
# other is refused with a 403), plain http in absolute form forwarded. On
# 127.0.0.2 it wants pat's password (Basic, "proxysecret") first.
PROXY_AUTH = basic('pat:proxysecret')


def relay(source, sink):
    with suppress(OSError):
        while data := source.recv(65536):
            sink.sendall(data)
    for s in (source, sink):
        with suppress(OSError):
            s.shutdown(socket.SHUT_RDWR)


class ProxyServer(socketserver.ThreadingTCPServer):
    daemon_threads = True


class Proxy(socketserver.BaseRequestHandler):
    def answer(self, status, headers=''):
        self.request.sendall(('HTTP/1.1 %s\r\n%sContent-Length: 0\r\n\r\n' % (status, headers)).encode())

    def handle(self):
        me, client, buffered = self.request.getsockname()[0], self.request, b''

        # Whether the client sent enough() before it closed.
        def read_until(enough):
            nonlocal buffered
            while not enough():
                if not (data := client.recv(65536)):
                    return False
                buffered += data
            return True
        while True:
            if not read_until(lambda: b'\r\n\r\n' in buffered or (buffered[:1] and not buffered[:1].isalpha())):
                return
            if not buffered[:1].isalpha():
                return client.sendall(BAD_REQUEST)
            head, buffered = buffered.split(b'\r\n\r\n', 1)
            lines = head.decode('latin-1').split('\r\n')
            method, target = lines[0].split(' ')[:2]
            headers = {k.strip().lower(): v.strip() for k, v in (l.split(':', 1) for l in lines[1:] if ':' in l)}
            note('proxy %s %s %s %s' % (me, method, target, headers.get('proxy-authorization', '-')))
            # The request's body is read whatever the answer, so that a kept
            # connection's next request starts where this one ended.
            length = int(headers.get('content-length', '0'))
            if not read_until(lambda: len(buffered) >= length):
                return
            body, buffered = buffered[:length], buffered[length:]
            if me == '127.0.0.2' and headers.get('proxy-authorization') != PROXY_AUTH:
                self.answer('407 Proxy Authentication Required', 'Proxy-Authenticate: Basic realm="proxy"\r\n')
                continue
            if method == 'CONNECT':
                host, port = target.rsplit(':', 1)
                if int(port) != tls_port:
                    self.answer('403 Forbidden')
                    continue
                upstream = socket.create_connection((host, int(port)))
                client.sendall(b'HTTP/1.1 200 Connection established\r\n\r\n')
                threading.Thread(target=relay, args=(upstream, client), daemon=True).start()
                if buffered:
                    upstream.sendall(buffered)
                return relay(client, upstream)
            # Plain http: the request forwarded in origin form, its answer
            # relayed to the end, then this connection closes too.
            url = urlsplit(target)
            kept = [l for l in lines[1:] if l.split(':', 1)[0].strip().lower() not in ('proxy-authorization', 'connection')]
            upstream = socket.create_connection((url.hostname, url.port or 80))
            upstream.sendall(('%s %s HTTP/1.1\r\n%s\r\nConnection: close\r\n\r\n'
                              % (method, (url.path or '/') + ('?' + url.query if url.query else ''), '\r\n'.join(kept)))
                             .encode('latin-1') + body)
            return relay(upstream, client)


# ---- listeners ----

# Serves on one port of both addresses (see above); the port.
def listen_pair(handler=Dav, kind=ThreadingHTTPServer, wrap=lambda s: s):
    for _ in range(50):
        first = kind(('127.0.0.1', 0), handler)
        try:
            pair = first, kind(('127.0.0.2', first.server_address[1]), handler)
        except OSError:
            first.server_close()
            continue
        for server in pair:
            server.socket = wrap(server.socket)
            threading.Thread(target=server.serve_forever, daemon=True).start()
        return first.server_address[1]
    sys.exit('no port free on both 127.0.0.1 and 127.0.0.2')


PORT = listen_pair()
tls_port = 0
if len(sys.argv) > 3:
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(sys.argv[2], sys.argv[3])
    tls_port = listen_pair(wrap=lambda s: context.wrap_socket(s, server_side=True))
print("%d %d %d" % (PORT, tls_port, listen_pair(Proxy, ProxyServer)), flush=True)
threading.Event().wait()
