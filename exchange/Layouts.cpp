#include "exchange/Layouts.h"

#include "exchange/LayoutTable.h"

#include <QHash>

#include <algorithm>

namespace exchange::layouts {

namespace {

struct Hit
{
    int layout;
    Role role;
};

struct Index
{
    QVector<Layout> layouts;
    QHash<QString, QVector<Hit>> names;   // folded name: the layouts that write it
    QStringList own;
};

Role roleNamed(QStringView word)
{
    static const struct
    {
        const char *word;
        Role role;
    } roles[] = {
        {"number", Role::Number}, {"name", Role::Name},       {"sound", Role::Sound},     {"sbit1", Role::Sbit1},
        {"sbit2", Role::Sbit2},   {"sbit3", Role::Sbit3},     {"sbit4", Role::Sbit4},     {"given", Role::Given},
        {"middle", Role::Middle}, {"family", Role::Family},   {"display", Role::Display}, {"company", Role::Company},
        {"phone", Role::Phone},   {"kind", Role::PhoneKind},  {"fax", Role::Fax},         {"pager", Role::Pager},
        {"other", Role::Other},   {"reading-given", Role::ReadingGiven}, {"reading-middle", Role::ReadingMiddle},
        {"reading-family", Role::ReadingFamily}, {"reading-display", Role::ReadingDisplay},
    };
    for (const auto &r : roles) {
        if (word == QLatin1String(r.word))
            return r.role;
    }
    qFatal("contact layouts: unknown role \"%s\"", qPrintable(word.toString()));
    return Role::Other;
}

Index build()
{
    Index ix;
    ix.names.reserve(4096);
    // One index over the tables, in their order: of layouts alike, the earlier is named.
    QVector<const LayoutRow *> rows;
    const struct
    {
        const LayoutRow *rows;
        int count;
    } tables[] = {
        {LayoutTable, LayoutCount}, {ThunderbirdTable, ThunderbirdCount}, {ThunderbirdTable2, ThunderbirdCount2}};
    for (const auto &t : tables) {
        for (int r = 0; r < t.count; ++r)
            rows.append(&t.rows[r]);
    }
    for (int l = 0; l < rows.size(); ++l) {
        const LayoutRow &row = *rows.at(l);
        Layout layout;
        layout.program = QString::fromUtf8(row.program);
        layout.language = QString::fromUtf8(row.language);
        const QString columns = QString::fromUtf8(row.columns);
        for (QStringView line : QStringView(columns).split(QLatin1Char('\n'))) {
            const qsizetype colon = line.indexOf(QLatin1Char(':'));
            const Role role = roleNamed(line.first(std::max<qsizetype>(colon, 0)).trimmed());
            layout.own = layout.own || role == Role::Number;
            for (QStringView name : line.sliced(colon + 1).split(QLatin1Char('|'))) {
                name = name.trimmed();
                QVector<Hit> &hits = ix.names[fold(name)];
                // A name listed twice keeps its first role.
                if (!hits.isEmpty() && hits.constLast().layout == l)
                    continue;
                hits.append({l, role});
                if (role == Role::Phone)   // as a program writes it: Google's first "Phone 1 - Value"
                    layout.phones.append(name.toString().replace(QLatin1Char('#'), QLatin1Char('1')));
                if (layout.own)
                    ix.own.append(name.toString());
            }
        }
        ix.layouts.append(layout);
    }
    return ix;
}

const Index &index()
{
    static const Index ix = build();
    return ix;
}

// "phone 12 value" -> "phone # value", digits "12".
QString numbered(const QString &key, QString &digits)
{
    QString out;
    digits.clear();
    for (qsizetype i = 0; i < key.size(); ++i) {
        if (!key.at(i).isDigit()) {
            out += key.at(i);
            continue;
        }
        if (!digits.isEmpty())
            digits += QLatin1Char('.');
        while (i < key.size() && key.at(i).isDigit())
            digits += key.at(i++);
        --i;
        out += QLatin1Char('#');
    }
    return out;
}

} // namespace

QString fold(QStringView name)
{
    const bool ascii = std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QString text = ascii ? name.toString() : name.toString().normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(text.size());
    bool gap = false;
    for (QChar c : text) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (!c.isLetterOrNumber() && c != QLatin1Char('#')) {
            gap = true;
            continue;
        }
        if (gap && !out.isEmpty())
            out += QLatin1Char(' ');
        gap = false;
        out += c.toCaseFolded();
    }
    return out;
}

const QVector<Layout> &all()
{
    return index().layouts;
}

QStringList ownHeader()
{
    return index().own;
}

Header readHeader(const QStringList &cells)
{
    const Index &ix = index();
    const qsizetype n = cells.size();
    // Per cell: the layouts that write it as it is, and those that write it as a numbered column.
    QVector<const QVector<Hit> *> exact(n, nullptr), byNumber(n, nullptr);
    QStringList digits(n);
    QVector<int> count(ix.layouts.size(), 0);
    // What each layout places: a name, a number.
    QVector<bool> named(ix.layouts.size(), false), numbers(ix.layouts.size(), false);
    auto tally = [&](const Hit &h) {
        ++count[h.layout];
        if (h.role == Role::Number || h.role == Role::Phone || h.role == Role::Fax || h.role == Role::Pager)
            numbers[h.layout] = true;
        if (h.role >= Role::Given && h.role <= Role::Company)
            named[h.layout] = true;
    };
    for (qsizetype c = 0; c < n; ++c) {
        const QString key = fold(cells.at(c));
        if (key.isEmpty())
            continue;
        const auto it = ix.names.constFind(key);
        if (it != ix.names.cend()) {
            exact[c] = &*it;
            for (const Hit &h : *it)
                tally(h);
        }
        const QString form = numbered(key, digits[c]);
        const auto num = digits[c].isEmpty() ? ix.names.cend() : ix.names.constFind(form);
        if (num == ix.names.cend())
            continue;
        byNumber[c] = &*num;
        for (const Hit &h : *num) {
            const bool counted = exact[c] && std::any_of(exact[c]->cbegin(), exact[c]->cend(),
                                                         [&](const Hit &e) { return e.layout == h.layout; });
            if (!counted)
                tally(h);
        }
    }

    // Each cell's role in layout l, and the digits it was matched by.
    auto place = [&](int l, QVector<Role> &roles, QStringList &tags) {
        roles.fill(Role::Unlisted, n);
        tags = QStringList(n);
        auto roleIn = [&](const QVector<Hit> *hits, Role &role) {
            for (const Hit &h : hits ? *hits : QVector<Hit>()) {
                if (h.layout == l) {
                    role = h.role;
                    return true;
                }
            }
            return false;
        };
        for (qsizetype c = 0; c < n; ++c) {
            if (!roleIn(exact[c], roles[c]) && roleIn(byNumber[c], roles[c]))
                tags[c] = digits[c];
        }
    };

    Header header;
    int nearest = -1;
    for (int l = 0; l < count.size(); ++l) {
        if (count[l] > 0 && (nearest < 0 || count[l] > count[nearest]))
            nearest = l;
        const bool usable = numbers[l] && (named[l] || ix.layouts.at(l).own);
        if (usable && count[l] > 0 && (header.layout < 0 || count[l] > count[header.layout]))
            header.layout = l;
    }
    if (header.layout >= 0) {
        place(header.layout, header.roles, header.tags);
        for (int l = header.layout + 1; l < count.size() && header.rival < 0; ++l) {
            if (count[l] != count[header.layout] || !numbers[l] || !(named[l] || ix.layouts.at(l).own))
                continue;
            // As many cells, each in the same role: the same reading, whichever is named.
            QVector<Role> roles;
            QStringList tags;
            place(l, roles, tags);
            if (roles != header.roles)
                header.rival = l;
        }
        if (header.rival < 0)
            return header;
    }
    // The cells not placed by the layout that places the most, or by the first of two alike.
    QVector<Role> roles = header.roles;
    QStringList tags;
    if (header.rival < 0 && nearest >= 0)
        place(nearest, roles, tags);
    for (qsizetype c = 0; c < n; ++c) {
        if ((roles.isEmpty() || roles.at(c) == Role::Unlisted) && !cells.at(c).trimmed().isEmpty())
            header.unplaced.append(cells.at(c).trimmed());
    }
    if (header.rival < 0) {
        header.layout = -1;
        header.roles.fill(Role::Unlisted, n);
        header.tags = QStringList(n);
    }
    return header;
}

} // namespace exchange::layouts
