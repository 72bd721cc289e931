// Building the window: every control placed from its twips table, named as
// the tests and the screen reader find it, and wired to its command.
#include "ui/Form1.h"

#include "ui/Controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

// Client area in twips.
constexpr int ClientWidth = 7575;
constexpr int ClientHeight = 4935;

// Sound rows: rows 1..4 in the left column, 5..7 in the right.
constexpr int SoundRowTop[layout::BankCount] = {240, 600, 960, 1320, 240, 600, 960};

QString arrayName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// A button picture and its twice as sharp twin for screens of double density.
QIcon buttonPicture(const char *name)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/%1.png").arg(QLatin1String(name)));
    icon.addFile(QStringLiteral(":/pictures/%1@2x.png").arg(QLatin1String(name)));
    return icon;
}

// Where there is no "Fixedsys", the hint has font matching take a monospace
// face. Some (Debian's Noto Sans Mono) do not say they are fixed-pitch; then
// the first family that does stands in.
QFont displayFont()
{
    QFont font(QStringLiteral("Fixedsys"), 9);
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch()) {
        const QStringList families = QFontDatabase::families();
        const auto fixed = std::find_if(families.cbegin(), families.cend(),
                                        [](const QString &family) { return QFontDatabase::isFixedPitch(family); });
        if (fixed != families.cend())
            font.setFamily(*fixed);
    }
    return font;
}

} // namespace

Form1::Form1(Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_commonDialog1(platform, this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("VIRE Flash editor"));
    QIcon icon;
    for (int side : {16, 32, 48})
        icon.addFile(QStringLiteral(":/pictures/app-icon-%1.png").arg(side));
    setWindowIcon(icon);

    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && screen->logicalDotsPerInch() > 96.0)
        m_scale = screen->logicalDotsPerInch() / 96.0;
    setFont(windowFont());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips(ClientWidth), twips(ClientHeight));
    setCentralWidget(client);

    createNumbersFrame(client);
    createSoundsFrame(client);
    createMenu();
    serveEveryone();
    setTabOrder();

    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
    centre();

    startUp();
    m_sndOpen[0]->setFocus();
}

Form1::~Form1() = default;

QFont Form1::windowFont() const
{
    // The layout is fixed in twips and made for a narrow 8 point face; a
    // wider face is condensed so that "Number:" fits its label.
    QFont f = QApplication::font();
    f.setPointSize(8);
    if (QFontMetrics(f).horizontalAdvance(QStringLiteral("Number:")) > twips(615))
        f.setStretch(QFont::Condensed);
    return f;
}

int Form1::twips(int value) const
{
    return qRound(value * m_scale / 15.0);
}

void Form1::place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

void Form1::createNumbersFrame(QWidget *client)
{
    m_frame2 = new CaptionFrame(QStringLiteral("Numbers"), client);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    place(m_frame2, 120, 120, 7335, 2775);

    auto label = [this](const char *name, const QString &caption, int left, int top, int width) {
        auto *l = new QLabel(caption, m_frame2);
        l->setObjectName(QLatin1String(name));
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(l, left, top, width, 255);
        return l;
    };

    auto *list = new BookListView(m_frame2);
    m_list1 = list;
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setUniformItemSizes(true);
    m_list1->setModel(&m_book);
    place(m_list1, 240, 360, 2055, 2205);

    label("Label8", QStringLiteral("Number:"), 2520, 600, 615);
    m_text1 = new QLineEdit(m_frame2);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setMaxLength(layout::NumberLength);
    new NumberKeyFilter(m_text1);
    filterNumberPaste(m_text1);
    place(m_text1, 3360, 600, 2415, 285);

    label("Label9", QStringLiteral("Name:"), 2520, 960, 615);
    m_text2 = new QLineEdit(m_frame2);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setMaxLength(layout::NameLength);
    keepSpellable(m_text2);
    place(m_text2, 3360, 960, 2415, 285);

    label("Label10", QStringLiteral("Sound:"), 2520, 1320, 735);
    m_combo1 = new QComboBox(m_frame2);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setEditable(false);
    m_combo1->addItem(QStringLiteral("No sound"));
    for (int k = 1; k <= layout::BankCount; ++k)
        m_combo1->addItem(QStringLiteral("%1 (empty)").arg(k));
    m_combo1->setMaxVisibleItems(m_combo1->count());
    // No item is selected until the window is loaded.
    m_combo1->setCurrentIndex(-1);
    place(m_combo1, 3360, 1320, 2415, 315);

    const int checkTop[4] = {600, 840, 1080, 1320};
    const int checkWidth[4] = {975, 975, 855, 855};
    for (int i = 0; i < 4; ++i) {
        auto *box = new QCheckBox(QStringLiteral("Sbit %1").arg(i + 1), m_frame2);
        box->setObjectName(arrayName("Check1", i));
        place(box, 6120, checkTop[i], checkWidth[i], 255);
        m_check1[size_t(i)] = box;
    }

    const char *captions[4] = {"Add", "Update", "Remove", "Reset (!)"};
    const int commandLeft[4] = {3360, 4080, 4920, 3960};
    const int commandTop[4] = {1800, 1800, 1800, 2280};
    const int commandWidth[4] = {615, 735, 855, 975};
    for (int n = 0; n < 4; ++n) {
        auto *button = new QPushButton(QLatin1String(captions[n]), m_frame2);
        button->setObjectName(QStringLiteral("Command%1").arg(n + 1));
        button->setAutoDefault(false);
        place(button, commandLeft[n], commandTop[n], commandWidth[n], 255);
        m_command[size_t(n)] = button;
    }

    m_label11 = label("Label11", QStringLiteral("0x1234"), 5640, 2400, 855);
    m_label12 = label("Label12", QStringLiteral("0x12"), 6600, 2400, 615);
    // Their colours follow the palette (applyColours).
    for (QLabel *display : {m_label11, m_label12}) {
        display->setFont(displayFont());
        display->setAutoFillBackground(true);
        display->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    // Events.
    connect(m_list1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (selectedRow() >= 0)
            showEntry();
    });
    // A click on the row that is already selected shows it again too.
    connect(m_list1, &QAbstractItemView::clicked, this, [this] {
        if (selectedRow() >= 0)
            showEntry();
    });
    connect(m_combo1, &QComboBox::currentIndexChanged, this, &Form1::updateFlags);
    for (QCheckBox *box : m_check1)
        connect(box, &QCheckBox::stateChanged, this, &Form1::updateFlags);
    connect(m_command[0], &QPushButton::clicked, this, &Form1::addEntry);
    connect(m_command[1], &QPushButton::clicked, this, &Form1::updateEntry);
    connect(m_command[2], &QPushButton::clicked, this, &Form1::removeEntry);
    connect(m_command[3], &QPushButton::clicked, this, &Form1::resetBook);
    connect(&m_book, &PhoneBook::countTextChanged, this, &Form1::showCount);
    connect(&m_book, &PhoneBook::markerChanged, this, &Form1::showMarker);
}

void Form1::createSoundsFrame(QWidget *client)
{
    m_frame1 = new CaptionFrame(QStringLiteral("Sounds"), client);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    place(m_frame1, 120, 3000, 7335, 1815);

    const QIcon open = buttonPicture("open-folder"), save = buttonPicture("floppy-disk"),
                play = buttonPicture("loudspeaker");
    for (int k = 1; k <= layout::BankCount; ++k) {
        const int top = SoundRowTop[k - 1];
        const int column = k <= 4 ? 0 : 3720;

        auto *number = new QLabel(QString::number(k), m_frame1);
        number->setObjectName(QStringLiteral("Label%1").arg(k));
        number->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(number, 120 + column, top, 255, 255);

        // Made empty and given its text afterwards: a line edit lays out the
        // text it is made with in the application's font first.
        auto *name = new QLineEdit(m_frame1);
        name->setObjectName(arrayName("sndName", k));
        name->setMaxLength(layout::SoundNameLength);
        keepSpellable(name);
        name->setText(QStringLiteral("(empty)"));
        place(name, 360 + column, top, 1695, 285);
        connect(name, &QLineEdit::textChanged, this, [this, k] { renameSoundItem(k); });

        // A picture has no text: the name tells a screen reader what the button is.
        auto picture = [&](const char *array, const QIcon &icon, int left, const char *what) {
            auto *button = new QPushButton(m_frame1);
            button->setObjectName(arrayName(array, k));
            button->setIcon(icon);
            button->setAccessibleName(QString::fromLatin1(what).arg(k));
            button->setToolTip(button->accessibleName());
            button->setIconSize(QSize(14, 14));
            button->setAutoDefault(false);
            place(button, left + column, top, 375, 285);
            return button;
        };
        m_sndOpen[size_t(k - 1)] = picture("sndOpen", open, 2160, "Import a WAV file into sound bank %1");
        m_sndSave[size_t(k - 1)] = picture("sndSave", save, 2640, "Save sound %1");
        m_sndPlay[size_t(k - 1)] = picture("sndPlay", play, 3120, "Play sound %1");
        m_sndName[size_t(k - 1)] = name;

        connect(m_sndOpen[size_t(k - 1)], &QPushButton::clicked, this, [this, k] { importSound(k); });
        // Save and play have no behaviour: shown greyed out, and out of the
        // keyboard order.
        for (QPushButton *inert : {m_sndSave[size_t(k - 1)], m_sndPlay[size_t(k - 1)]}) {
            inert->setEnabled(false);
            inert->setFocusPolicy(Qt::NoFocus);
        }
    }
}

void Form1::createMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("menFile"));
    m_menOpen = file->addAction(QStringLiteral("&Open Image..."));
    m_menOpen->setObjectName(QStringLiteral("menOpen"));
    m_menOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_menSave = file->addAction(QStringLiteral("&Save Image..."));
    m_menSave->setObjectName(QStringLiteral("menSave"));
    m_menSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator()->setObjectName(QStringLiteral("menSep1"));
    // Exit closes nothing; the window's close box ends the program.
    m_menExit = file->addAction(QStringLiteral("E&xit"));
    m_menExit->setObjectName(QStringLiteral("menExit"));

    // The device is never contacted: both entries are shown greyed out.
    QMenu *sio = menuBar()->addMenu(QStringLiteral("&Serial Comm"));
    sio->setObjectName(QStringLiteral("menSio"));
    m_menReadAll = sio->addAction(QStringLiteral("&Read all"));
    m_menReadAll->setObjectName(QStringLiteral("menReadAll"));
    m_menReadAll->setEnabled(false);
    m_menWriteAll = sio->addAction(QStringLiteral("&Write all"));
    m_menWriteAll->setObjectName(QStringLiteral("menWriteAll"));
    m_menWriteAll->setEnabled(false);
    // Menus are windows of their own, which take the application's font
    // unless given the window's.
    for (QMenu *menu : {file, sio})
        menu->setFont(font());

    connect(m_menOpen, &QAction::triggered, this, &Form1::openImage);
    connect(m_menSave, &QAction::triggered, this, &Form1::saveImage);
}

void Form1::setTabOrder()
{
    QList<QWidget *> order;
    for (int k = 0; k < layout::BankCount; ++k)
        order << m_sndOpen[size_t(k)] << m_sndName[size_t(k)];
    order << m_list1 << m_text1 << m_text2 << m_combo1;
    for (QCheckBox *box : m_check1)
        order << box;
    for (QPushButton *button : m_command)
        order << button;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order.at(i), order.at(i + 1));
}

void Form1::centre()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form1::startUp()
{
    // From no selection to item 0: the change recomposes the flags display.
    m_combo1->setCurrentIndex(0);
    m_book.resetBook();
    // The book signals changes only; the displays still show design texts.
    showCount(m_book.countText());
    showMarker(m_book.isMarked());
}

SoundNames Form1::soundNames() const
{
    SoundNames names;
    for (int k = 1; k <= layout::BankCount; ++k)
        names[size_t(k - 1)] = sndName(k)->text();
    return names;
}

void Form1::setSoundName(int k, const QString &text)
{
    sndName(k)->setText(text);
    // An unchanged text raises no change, but the item must still follow it.
    renameSoundItem(k);
}

void Form1::renameSoundItem(int k)
{
    m_combo1->setItemText(k, QStringLiteral("%1 %2").arg(k).arg(sndName(k)->text()));
}
