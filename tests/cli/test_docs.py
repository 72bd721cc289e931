# The documentation matches the program: every vire-image example in the
# README and the man page runs as written (in a scratch folder, address books
# on the scripted loopback server), and every option the help lists is in the
# man page and the other way round.
#
#   test_docs.py VIRE_IMAGE README MANPAGE HOSTILE_DAV
import os, re, shlex, shutil, subprocess, sys, tempfile

VIRE, README, MANPAGE, HOSTILE = sys.argv[1:5]
failures = []


def fail(text):
    failures.append(text)
    print('FAIL: ' + text)


def run(args, cwd, env=None, status=None):
    p = subprocess.run([VIRE] + args, cwd=cwd, env=env, stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
    if status is not None and p.returncode not in status:
        fail('%s: status %d, expected %s\n%s' % (' '.join(args), p.returncode, status, p.stderr.decode(errors='replace')))
    return p


# ---- the examples ---------------------------------------------------------

# A line that ends in a backslash goes on in the next.
CONTINUED = r'\s*\\\n\s*'


def readme_examples(text):
    """(command, expected statuses) of each '$ ' line in the console blocks."""
    out = []
    for block in re.findall(r'```(?:console|sh)\n(.*?)```', text, re.S):
        for step in re.split(r'^\$ ', block, flags=re.M)[1:]:
            command, *shown = re.sub(CONTINUED, ' ', step).split('\n')
            if command.strip() == 'echo $?' and out:
                out[-1] = (out[-1][0], {int(shown[0])})
            else:
                out.append((command, {2} if any(': error:' in s for s in shown) else None))
    return out


def man_examples(text):
    section = re.search(r'^\.SH EXAMPLES\n(.*?)(?=^\.SH |\Z)', text, re.S | re.M)
    if not section:
        fail('the man page has no EXAMPLES section')
        return []
    lines = [l for l in section.group(1).split('\n') if l and not l.startswith('.')]
    lines = [l.replace('\\-', '-').replace('\\e', '\\') for l in lines]
    return [(command, None) for command in re.sub(CONTINUED, ' ', '\n'.join(lines)).split('\n')]


# The command that writes an input of each kind from the base image.
MAKERS = {'.csv': 'export BASE --format csv -o OUT', '.vcf': 'export BASE --format vcard -o OUT',
          '.xlsx': 'export BASE --format xlsx -o OUT', '.ods': 'export BASE --format ods -o OUT',
          '.wav': 'sound-export BASE 1 OUT'}


def prepare(folder, names):
    """The files an example reads that earlier examples did not make."""
    base = os.path.join(folder, '.base.bin')
    if not os.path.exists(base):
        run(['new', '-o', base], folder, status={0})
        contacts = os.path.join(folder, '.base.csv')
        with open(contacts, 'w', encoding='utf-8') as f:
            f.write('number,name,sound,sbit1,sbit2,sbit3,sbit4\n0701234567,Anna Åkesson,2,1,0,0,0\n')
        run(['import', base, contacts, '-o', base], folder, status={0})
    for name in names:
        path = os.path.join(folder, name)
        if os.path.exists(path) or '/' in name:
            continue
        ext = os.path.splitext(name)[1]
        if ext == '.bin':
            shutil.copyfile(base, path)
        elif ext in MAKERS:
            run([{'BASE': base, 'OUT': path}.get(w, w) for w in MAKERS[ext].split()], folder, status={0})


VALUE_OPTIONS = {'-o', '--output', '--format', '--user', '--ca-file', '--timeout', '--encoding', '--rate'}


def inputs(args):
    """The files a command reads: its positional arguments but outputs and banks."""
    # args[i] is the word before args[i + 1]: an option that takes it as its value, or not.
    positional = [a for i, a in enumerate(args[1:]) if not a.startswith('-') and args[i] not in VALUE_OPTIONS]
    picked = {'sound-import': [0, 2], 'sound-export': [0], 'info': [0], 'export': [0]}.get(args[0])
    return [positional[i] for i in picked if i < len(positional)] if picked else positional


def dav_url(url, server):
    """An example's address book on the scripted server: a server's root
    holds two books, any other URL is a book of three cards."""
    path = re.sub(r'^https?://[^/]+', '', url)
    return server + ('/tree/home/' if path in ('', '/') else '/big/3/1/book/')


def run_examples(name, examples, server, not_run):
    folder = tempfile.mkdtemp(prefix='docs-')
    env = dict(os.environ, HOME=folder, VIRE_DAV_PASSWORD='secret')
    ran = 0
    for command, expected in examples:
        words = shlex.split(command, comments=True)
        while words and re.match(r'^[A-Za-z_][A-Za-z0-9_]*=', words[0]):
            words.pop(0)
        if words[:1] == ['export'] and len(words) > 1 and '=' in words[1]:
            continue   # an environment variable the following examples use
        if words[:1] != ['vire-image']:
            not_run.append('%s: %s' % (name, command))
            continue
        args = [dav_url(w, server) if re.match(r'^https?://', w) else w for w in words[1:]]
        prepare(folder, inputs(args))
        # What diff finds depends on the edits an example makes by hand.
        statuses = {0, 1} if args[0] == 'diff' else expected or {0}
        run(args, folder, env, statuses)
        ran += 1
    print('%s: %d examples run' % (name, ran))
    return ran


# ---- the options ----------------------------------------------------------

OPTION = r'(?<![\w-])(--[a-z][a-z-]*)'


def help_options():
    text = run(['--help'], None, status={0}).stdout.decode()
    commands = re.findall(r'^  ([a-z][a-z-]+) ', text.split('Commands:')[1].split('Options:')[0], re.M)
    texts = [text] + [run([c, '--help'], None, status={0}).stdout.decode() for c in commands]
    return set(re.findall(OPTION, '\n'.join(texts)))


def main():
    readme = open(README, encoding='utf-8').read()
    man = open(MANPAGE, encoding='utf-8').read()

    documented = set(re.findall(OPTION, man.replace('\\-', '-')))
    listed = help_options()
    for option in sorted(listed - documented):
        fail('%s is in --help but not in the man page' % option)
    for option in sorted(documented - listed):
        fail('%s is in the man page but in no --help' % option)

    server = subprocess.Popen([sys.executable, HOSTILE, os.path.join(tempfile.mkdtemp(), 'log')],
                              stdout=subprocess.PIPE, text=True)
    try:
        port = server.stdout.readline().split()[0]
        base = 'http://127.0.0.1:' + port
        not_run = []
        ran = run_examples('README.md', readme_examples(readme), base, not_run)
        ran += run_examples('vire-image.1', man_examples(man), base, not_run)
    finally:
        server.kill()
    if ran == 0:
        fail('no example found')
    for line in not_run:
        print('not run (not vire-image): ' + line)
    print('%d passed, %d failed' % (ran + 1 - min(len(failures), ran + 1), len(failures)))
    sys.exit(1 if failures else 0)


main()
