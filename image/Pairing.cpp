#include "image/Pairing.h"

#include <QHash>

#include <algorithm>

namespace pairing {

namespace {

bool isLabel(const QString &number)
{
    return number == BookEntry::hiddenLabel() || number == BookEntry::unknownLabel();
}

quint8 mergedFlags(quint8 held, const Incoming &in)
{
    return quint8((held & ~in.given) | (in.entry.flags & in.given));
}

// A special entry as the source's row leaves it; true when that changes it.
bool setSpecial(BookEntry &held, const Incoming &in)
{
    const quint8 flags = mergedFlags(held.flags, in);
    if (stored(held.name) == stored(in.entry.name) && flags == held.flags)
        return false;
    if (stored(held.name) != stored(in.entry.name))
        held.name = in.entry.name;
    held.flags = flags;
    return true;
}

} // namespace

QString stored(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == QLatin1Char(' '))
        --n;
    return n == text.size() ? text : text.left(n);
}

QVector<Pair> pairEntries(const QVector<BookEntry> &a, const QVector<BookEntry> &b)
{
    struct Group
    {
        QVector<qsizetype> a, b;
    };
    QHash<QString, Group> groups;
    groups.reserve(a.size() + b.size());
    for (qsizetype i = 0; i < a.size(); ++i)
        groups[stored(a.at(i).number)].a.append(i);
    for (qsizetype i = 0; i < b.size(); ++i)
        groups[stored(b.at(i).number)].b.append(i);
    QStringList numbers = groups.keys();
    std::sort(numbers.begin(), numbers.end());

    QVector<Pair> pairs;
    pairs.reserve(a.size() + b.size());
    QVector<qsizetype> partner;
    QVector<bool> taken;
    for (const QString &number : numbers) {
        const Group &g = groups.value(number);
        partner.fill(-1, g.a.size());
        taken.fill(false, g.b.size());
        // The same name first: a contact that kept its name is the same contact.
        if (!g.a.isEmpty() && !g.b.isEmpty()) {
            QVector<QString> namesB(g.b.size());
            for (qsizetype j = 0; j < g.b.size(); ++j)
                namesB[j] = stored(b.at(g.b.at(j)).name);
            for (qsizetype i = 0; i < g.a.size(); ++i) {
                const QString name = stored(a.at(g.a.at(i)).name);
                for (qsizetype j = 0; j < g.b.size(); ++j) {
                    if (!taken.at(j) && namesB.at(j) == name) {
                        partner[i] = j;
                        taken[j] = true;
                        break;
                    }
                }
            }
        }
        // Then the rest, in order.
        qsizetype next = 0;
        for (qsizetype i = 0; i < g.a.size(); ++i) {
            if (partner.at(i) >= 0)
                continue;
            while (next < g.b.size() && taken.at(next))
                ++next;
            if (next < g.b.size()) {
                partner[i] = next;
                taken[next] = true;
            }
        }
        for (qsizetype i = 0; i < g.a.size(); ++i)
            pairs.append({g.a.at(i), partner.at(i) < 0 ? -1 : g.b.at(partner.at(i))});
        for (qsizetype j = 0; j < g.b.size(); ++j) {
            if (!taken.at(j))
                pairs.append({-1, g.b.at(j)});
        }
    }
    return pairs;
}

Plan planMerge(const PhoneBook &book, const QVector<Incoming> &source, Merge how)
{
    Plan plan;
    plan.hidden = book.entry(PhoneBook::HiddenIndex);
    plan.unknown = book.entry(PhoneBook::UnknownIndex);

    QVector<qint32> indices;
    QVector<BookEntry> held;
    indices.reserve(book.userCount());
    held.reserve(book.userCount());
    for (qsizetype row = PhoneBook::SpecialRows; row < book.rows().size(); ++row) {
        indices.append(book.rows().at(row).index);
        held.append(book.table().at(indices.last()));
    }
    QVector<const Incoming *> users;
    QVector<BookEntry> wanted;
    users.reserve(source.size());
    wanted.reserve(source.size());
    for (const Incoming &in : source) {
        if (in.entry.number == BookEntry::hiddenLabel()) {
            plan.hiddenSet = setSpecial(plan.hidden, in) || plan.hiddenSet;
        } else if (in.entry.number == BookEntry::unknownLabel()) {
            plan.unknownSet = setSpecial(plan.unknown, in) || plan.unknownSet;
        } else if (!isLabel(in.entry.number)) {
            users.append(&in);
            wanted.append(in.entry);
        }
    }

    QVector<qsizetype> added;   // into users
    // Adding, a number the book holds under other names is told about, once.
    QHash<QString, qsizetype> clashAt;
    QString groupNumber;        // of the last book entry paired or not
    QStringList groupNames;
    auto clash = [&](const QString &number, const QString &name) {
        if (how != Merge::Add || groupNumber != number || groupNames.contains(name))
            return;
        auto it = clashAt.find(number);
        if (it == clashAt.end()) {
            it = clashAt.insert(number, plan.clashes.size());
            plan.clashes.append({number, groupNames, {}});
        }
        if (!plan.clashes[*it].added.contains(name))
            plan.clashes[*it].added.append(name);
    };
    const QVector<Pair> pairs = pairEntries(held, wanted);
    // A number's pairs stand together, the book's entries first: its names
    // are gathered when its first one comes.
    for (qsizetype k = 0; k < pairs.size(); ++k) {
        const Pair &p = pairs.at(k);
        if (p.a >= 0 && stored(held.at(p.a).number) != groupNumber) {
            groupNumber = stored(held.at(p.a).number);
            groupNames.clear();
            for (qsizetype m = k; m < pairs.size() && pairs.at(m).a >= 0
                 && stored(held.at(pairs.at(m).a).number) == groupNumber; ++m) {
                const QString name = stored(held.at(pairs.at(m).a).name);
                if (!groupNames.contains(name))
                    groupNames.append(name);
            }
        }
        if (p.b < 0) {
            if (how == Merge::Sync)
                plan.removed.append(indices.at(p.a));
            continue;
        }
        const Incoming &in = *users.at(p.b);
        if (p.a < 0) {
            added.append(p.b);
            clash(stored(in.entry.number), stored(in.entry.name));
            continue;
        }
        const BookEntry &e = held.at(p.a);
        const bool sameName = stored(e.name) == stored(in.entry.name);
        if (!sameName && how == Merge::Add) {
            // The window allows a number twice; the user is told how to follow renames instead.
            added.append(p.b);
            clash(groupNumber, stored(in.entry.name));
            continue;
        }
        BookEntry merged = e;
        if (!sameName)
            merged.name = in.entry.name;
        merged.flags = mergedFlags(e.flags, in);
        if (merged.name == e.name && merged.flags == e.flags)
            ++plan.alreadyThere;
        else
            plan.updates.append({indices.at(p.a), merged});
    }
    // Added in the source's order, as adding them one by one would.
    std::sort(added.begin(), added.end());
    plan.additions.reserve(added.size());
    for (qsizetype i : added)
        plan.additions.append(users.at(i)->entry);
    plan.usersAfter = book.userCount() - plan.removed.size() + plan.additions.size();
    return plan;
}

bool applyMerge(PhoneBook &book, const Plan &plan)
{
    if (plan.empty())
        return true;
    if (plan.usersAfter > PhoneBook::MaxUserEntries || book.lastIndex() + plan.additions.size() > PhoneBook::MaxIndex)
        return false;
    for (const BookEntry &e : plan.additions) {
        if (e.number.isEmpty() || e.number.startsWith(QLatin1Char('_')))
            return false;
    }
    QVector<BookEntry> table = book.table();
    table[PhoneBook::HiddenIndex] = {BookEntry::hiddenLabel(), plan.hidden.name, plan.hidden.flags};
    table[PhoneBook::UnknownIndex] = {BookEntry::unknownLabel(), plan.unknown.name, plan.unknown.flags};
    for (const auto &[index, e] : plan.updates)
        table[index] = e;
    QVector<bool> gone(table.size(), false);
    for (qint32 index : plan.removed)
        gone[index] = true;
    QVector<BookRow> rows;
    rows.reserve(book.rows().size());
    for (const BookRow &r : book.rows()) {
        if (!gone.at(r.index))
            rows.append(r);
    }
    // Removed entries stay in the table as dead ones, as the window's Remove leaves them.
    book.replaceAll(std::move(table), book.lastIndex(), std::move(rows));
    if (!book.addEntries(plan.additions))
        return false;   // checked above: cannot happen
    book.markNumbers(true);
    return true;
}

} // namespace pairing
