# A scripted CardDAV server for vire-image's tests: one scenario per first
# path segment (/digest/book/ is the "digest" scenario), some of them hostile.
# It listens on 127.0.0.1 and, as "another host", on 127.0.0.2 at the same
# port, plus optionally over TLS on 127.0.0.1 (given a certificate and key).
#
#   hostile_dav.py LOG [CERT KEY]
#
# prints "PORT TLSPORT" (TLSPORT 0 without a certificate) and serves until
# killed. LOG gets one line per request,
#   request HOST METHOD PATH AUTHORIZATION     (AUTHORIZATION "-" when none)
# and the free-form notes scenarios write with note().
import base64, hashlib, re, secrets, ssl, sys, threading, xml.etree.ElementTree as ET
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

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


def multistatus(inner):
    return ('<?xml version="1.0"?><d:multistatus xmlns:d="DAV:" '
            'xmlns:c="urn:ietf:params:xml:ns:carddav">%s</d:multistatus>' % inner)


def vcard(i):
    return 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Person %d\r\nTEL:%d\r\nEND:VCARD\r\n' % (i, 100000 + i)


def auth_fields(header):
    return {k: q if q else t for k, q, t in re.findall(r'(\w+)=(?:"([^"]*)"|([^\s,]+))', header)}


class Dav(BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass

    # The host the client connected to: 127.0.0.2 is "another host".
    def host(self):
        return self.connection.getsockname()[0]

    def reply(self, status, body='', headers={}, content_type='application/xml; charset=utf-8'):
        body = body.encode() if isinstance(body, str) else body
        self.send_response(status)
        for k, v in headers.items():
            self.send_header(k, v)
        if content_type:
            self.send_header('Content-Type', content_type)
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    # Raw bytes after the status line, then the connection is closed: for
    # answers that break the rules.
    def raw(self, data):
        self.close_connection = True
        self.wfile.write(data)
        self.wfile.flush()

    def handle_any(self):
        self.body = self.rfile.read(int(self.headers.get('Content-Length', 0) or 0))
        note('request %s %s %s %s' % (self.host(), self.command, self.path,
                                      self.headers.get('Authorization', '-')))
        parts = self.path.split('/')
        handler = SCENARIOS.get(parts[1] if len(parts) > 1 else '')
        if handler is None:
            return self.reply(404)
        handler(self)

    do_GET = do_PROPFIND = do_REPORT = do_OPTIONS = handle_any


# ---- the scenarios of the transport: sessions, passwords, transfers ----

# A server as some are: Digest only, no addressbook-query, so cards come by
# PROPFIND and addressbook-multiget. Notes each Digest checked and each REPORT.
DIGEST_REALM, DIGEST_USER, DIGEST_PASSWORD = 'fake', 'anna', 'secret'
DIGEST_BOOK = '/digest/book/'
DIGEST_CARDS = {DIGEST_BOOK + 'c%d.vcf' % i: vcard(i) for i in range(250)}
nonces = set()
md5 = lambda s: hashlib.md5(s.encode()).hexdigest()


def digest_authorized(rq):
    h = rq.headers.get('Authorization', '')
    if not h:
        return False
    f = auth_fields(h)
    ha1 = md5('%s:%s:%s' % (DIGEST_USER, DIGEST_REALM, DIGEST_PASSWORD))
    ha2 = md5('%s:%s' % (rq.command, rq.path))
    expected = md5(':'.join([ha1, f.get('nonce', ''), f.get('nc', ''), f.get('cnonce', ''), 'auth', ha2]))
    ok = (h.startswith('Digest ') and f.get('username') == DIGEST_USER and f.get('nonce') in nonces
          and f.get('uri') == rq.path and f.get('qop') == 'auth' and f.get('response') == expected)
    note('digest ' + ('ok' if ok else 'refused'))
    return ok


@scenario('digest')
def digest_only(rq):
    if not digest_authorized(rq):
        nonce = secrets.token_hex(8)
        nonces.add(nonce)
        return rq.reply(401, headers={'WWW-Authenticate': 'Digest realm="%s", nonce="%s", qop="auth", '
                                      'algorithm=MD5' % (DIGEST_REALM, nonce)})
    if rq.path != DIGEST_BOOK:
        return rq.reply(404)
    if rq.command == 'PROPFIND':
        out = response(DIGEST_BOOK, '<d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>')
        if rq.headers.get('Depth') == '1':
            out += ''.join(response(h, '<d:resourcetype/><d:getetag>"1"</d:getetag>') for h in DIGEST_CARDS)
    elif b'addressbook-query' in rq.body:
        note('query')
        return rq.reply(501)
    else:
        hrefs = [e.text for e in ET.fromstring(rq.body).iter('{DAV:}href')]
        note('multiget ' + ' '.join(hrefs))
        out = ''.join(response(h, '<c:address-data>%s</c:address-data>' % DIGEST_CARDS[h]) if h in DIGEST_CARDS
                      else response(h, '', '404 Not Found') for h in hrefs)
    rq.reply(207, multistatus(out))


# ---- the scenarios of discovery and cards ----


# ---- listeners ----

def serve(server):
    threading.Thread(target=server.serve_forever, daemon=True).start()


def listen_pair():
    # The same port on both addresses, so "another host" differs by host only.
    for _ in range(50):
        first = ThreadingHTTPServer(('127.0.0.1', 0), Dav)
        try:
            second = ThreadingHTTPServer(('127.0.0.2', first.server_address[1]), Dav)
            return first, second
        except OSError:
            first.server_close()
    sys.exit('no port free on both 127.0.0.1 and 127.0.0.2')


first, second = listen_pair()
serve(first)
serve(second)
tls_port = 0
if len(sys.argv) > 3:
    tls = ThreadingHTTPServer(('127.0.0.1', 0), Dav)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(sys.argv[2], sys.argv[3])
    tls.socket = context.wrap_socket(tls.socket, server_side=True)
    tls_port = tls.server_address[1]
    serve(tls)
print(first.server_address[1], tls_port, flush=True)
threading.Event().wait()
