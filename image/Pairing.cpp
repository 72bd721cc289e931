#include "image/Pairing.h"

#include <QHash>

#include <algorithm>

namespace pairing {

namespace {

// The stored text without a copy.
QStringView view(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == QLatin1Char(' '))
        --n;
    return QStringView(text).first(n);
}

quint8 mergedFlags(quint8 held, const Incoming &in)
{
    return quint8((held & ~in.given) | (in.entry.flags & in.given));
}

// A special entry as the source's row leaves it; true when that changes it.
bool setSpecial(BookEntry &held, const Incoming &in)
{
    const quint8 flags = mergedFlags(held.flags, in);
    if (view(held.name) == view(in.entry.name) && flags == held.flags)
        return false;
    if (view(held.name) != view(in.entry.name))
        held.name = in.entry.name;
    held.flags = flags;
    return true;
}

} // namespace

QString stored(const QString &text)
{
    const QStringView v = view(text);
    return v.size() == text.size() ? text : v.toString();
}

QVector<Pair> pairEntries(const QVector<BookEntry> &a, const QVector<BookEntry> &b)
{
    // Both sides by number, a's before b's, each in list order: one sort
    // makes the groups, with views into the entries instead of copies.
    struct Key
    {
        QStringView number;
        qsizetype side;   // 0: a, 1: b
        qsizetype index;
    };
    QVector<Key> keys;
    keys.reserve(a.size() + b.size());
    for (qsizetype i = 0; i < a.size(); ++i)
        keys.append({view(a.at(i).number), 0, i});
    for (qsizetype i = 0; i < b.size(); ++i)
        keys.append({view(b.at(i).number), 1, i});
    std::sort(keys.begin(), keys.end(), [](const Key &x, const Key &y) {
        if (const int c = x.number.compare(y.number); c != 0)
            return c < 0;
        return x.side != y.side ? x.side < y.side : x.index < y.index;
    });

    QVector<Pair> pairs;
    pairs.reserve(keys.size());
    QVector<qsizetype> partner;
    QVector<bool> taken;
    for (qsizetype start = 0; start < keys.size();) {
        qsizetype split = start, end = start;
        while (end < keys.size() && keys.at(end).number == keys.at(start).number) {
            if (keys.at(end).side == 0)
                split = end + 1;
            ++end;
        }
        const qsizetype na = split - start, nb = end - split;
        auto ia = [&](qsizetype i) { return keys.at(start + i).index; };
        auto ib = [&](qsizetype j) { return keys.at(split + j).index; };
        partner.fill(-1, na);
        taken.fill(false, nb);
        // The same name first: a contact that kept its name is the same contact.
        for (qsizetype i = 0; i < na && nb > 0; ++i) {
            const QStringView name = view(a.at(ia(i)).name);
            for (qsizetype j = 0; j < nb; ++j) {
                if (!taken.at(j) && view(b.at(ib(j)).name) == name) {
                    partner[i] = j;
                    taken[j] = true;
                    break;
                }
            }
        }
        // Then the rest, in order.
        qsizetype next = 0;
        for (qsizetype i = 0; i < na; ++i) {
            if (partner.at(i) >= 0)
                continue;
            while (next < nb && taken.at(next))
                ++next;
            if (next < nb) {
                partner[i] = next;
                taken[next] = true;
            }
        }
        for (qsizetype i = 0; i < na; ++i)
            pairs.append({ia(i), partner.at(i) < 0 ? -1 : ib(partner.at(i))});
        for (qsizetype j = 0; j < nb; ++j) {
            if (!taken.at(j))
                pairs.append({-1, ib(j)});
        }
        start = end;
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
        } else {
            users.append(&in);
            wanted.append(in.entry);
        }
    }

    QVector<qsizetype> added;   // into users
    const QVector<Pair> pairs = pairEntries(held, wanted);
    // A number's pairs stand together, the book's entries first.
    QStringView groupNumber;    // of the last book entry
    qsizetype groupStart = 0;   // its first pair
    // Adding, a number the book holds under other names is told about, once.
    QHash<QString, qsizetype> clashAt;
    auto clash = [&](QStringView number, QStringView name) {
        if (how != Merge::Add || groupNumber != number)
            return;
        QStringList names;
        for (qsizetype m = groupStart; m < pairs.size() && pairs.at(m).a >= 0
             && view(held.at(pairs.at(m).a).number) == groupNumber; ++m) {
            const QString held1 = view(held.at(pairs.at(m).a).name).toString();
            if (!names.contains(held1))
                names.append(held1);
        }
        if (names.contains(name))
            return;   // the source holds it twice under this name: no other name
        auto it = clashAt.find(number.toString());
        if (it == clashAt.end()) {
            it = clashAt.insert(number.toString(), plan.clashes.size());
            plan.clashes.append({number.toString(), names, {}});
        }
        if (!plan.clashes[*it].added.contains(name))
            plan.clashes[*it].added.append(name.toString());
    };
    for (qsizetype k = 0; k < pairs.size(); ++k) {
        const Pair &p = pairs.at(k);
        if (p.a >= 0 && view(held.at(p.a).number) != groupNumber) {
            groupNumber = view(held.at(p.a).number);
            groupStart = k;
        }
        if (p.b < 0) {
            if (how == Merge::Sync)
                plan.removed.append(indices.at(p.a));
            continue;
        }
        const Incoming &in = *users.at(p.b);
        if (p.a < 0) {
            added.append(p.b);
            clash(view(in.entry.number), view(in.entry.name));
            continue;
        }
        const BookEntry &e = held.at(p.a);
        const bool sameName = view(e.name) == view(in.entry.name);
        if (!sameName && how == Merge::Add) {
            // The window allows a number twice; the user is told how to follow renames instead.
            added.append(p.b);
            clash(groupNumber, view(in.entry.name));
            continue;
        }
        const quint8 flags = mergedFlags(e.flags, in);
        if (sameName && flags == e.flags) {
            ++plan.alreadyThere;
            continue;
        }
        BookEntry merged = e;
        if (!sameName)
            merged.name = in.entry.name;
        merged.flags = flags;
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
