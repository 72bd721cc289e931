#pragma once

#include "image/Codec.h"
#include "ui/CommonDialog1.h"
#include "image/FlashImage.h"
#include "image/PhoneBook.h"
#include "ui/Platform.h"

#include <QMainWindow>
#include <array>

class CaptionFrame;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class VireError;

// The editor's only window. It owns the image buffer, the phone book and the
// working sound names (the texts of the sound-name boxes), and wires each
// control's events to the behaviour below. Every control carries its name as
// objectName ("List1", "sndName(3)", "Check1(0)" ...). Its parts live by job:
// WindowLayout.cpp builds it, WindowAccess.cpp serves the screen reader,
// the keyboard and the theme's colours, EntryCommands.cpp and
// FileCommands.cpp hold the commands.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    FlashImage &FB() { return m_fb; }
    PhoneBook &book() { return m_book; }
    CommonDialog1 &commonDialog1() { return m_commonDialog1; }

    // Twips to pixels: 15 twips a pixel at 96 DPI, more above that.
    int twips(int value) const;

    // The texts of sndName(1..7), the sound names of record until a save.
    SoundNames soundNames() const;
    // Sets sndName(k)'s text; item k of Combo1 follows.
    void setSoundName(int k, const QString &text);

    // The selected row of List1, -1 for none.
    int selectedRow() const;
    // Selects a row as a click would, showing its entry.
    void selectRow(int row);

    // Entry editing.
    void updateFlags();
    void showEntry();
    void addEntry();
    void updateEntry();
    void removeEntry();
    void resetBook();

    // Image file commands.
    void openImage();
    void saveImage();

    // Imports a WAV file into sound bank k (1..7).
    void importSound(int k);

    // The controls.
    QListView *List1() const { return m_list1; }
    QLineEdit *Text1() const { return m_text1; }
    QLineEdit *Text2() const { return m_text2; }
    QComboBox *Combo1() const { return m_combo1; }
    QCheckBox *Check1(int i) const { return m_check1.at(size_t(i)); }
    QLabel *Label11() const { return m_label11; }
    QLabel *Label12() const { return m_label12; }
    CaptionFrame *Frame1() const { return m_frame1; }
    CaptionFrame *Frame2() const { return m_frame2; }
    QPushButton *Command1() const { return m_command[0]; }
    QPushButton *Command2() const { return m_command[1]; }
    QPushButton *Command3() const { return m_command[2]; }
    QPushButton *Command4() const { return m_command[3]; }
    QLineEdit *sndName(int k) const { return m_sndName.at(size_t(k - 1)); }
    QPushButton *sndOpen(int k) const { return m_sndOpen.at(size_t(k - 1)); }
    QPushButton *sndSave(int k) const { return m_sndSave.at(size_t(k - 1)); }
    QPushButton *sndPlay(int k) const { return m_sndPlay.at(size_t(k - 1)); }
    QAction *menOpen() const { return m_menOpen; }
    QAction *menSave() const { return m_menSave; }
    QAction *menExit() const { return m_menExit; }
    QAction *menReadAll() const { return m_menReadAll; }
    QAction *menWriteAll() const { return m_menWriteAll; }

protected:
    // A new palette (a theme or a dark mode switched) recolours the window.
    void changeEvent(QEvent *event) override;

private:
    QFont windowFont() const;
    void createNumbersFrame(QWidget *client);
    void createSoundsFrame(QWidget *client);
    void createMenu();
    void setTabOrder();
    void place(QWidget *w, int left, int top, int width, int height);
    void startUp();
    void centre();
    // What a screen reader and a keyboard user need beyond what is seen.
    void serveEveryone();
    // The displays' and the caption's colours, readable on this palette.
    void applyColours();
    void showMarker(bool modified);
    void showCount(const QString &text);
    // Item k of Combo1 reads k, a blank and sndName(k)'s text.
    void renameSoundItem(int k);
    quint8 displayedFlags() const;
    // Prepares CommonDialog1 and shows it; a cancel throws.
    void chooseFile(Platform::FileDialogKind kind, const char *title, const char *filter);
    void reportError(const VireError &error);

    Platform &m_platform;
    CommonDialog1 m_commonDialog1;
    FlashImage m_fb;
    PhoneBook m_book;
    qreal m_scale = 1.0;

    QListView *m_list1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QComboBox *m_combo1 = nullptr;
    std::array<QCheckBox *, 4> m_check1{};
    std::array<QPushButton *, 4> m_command{};
    QLabel *m_label11 = nullptr;
    QLabel *m_label12 = nullptr;
    CaptionFrame *m_frame1 = nullptr;
    CaptionFrame *m_frame2 = nullptr;
    std::array<QLineEdit *, layout::BankCount> m_sndName{};
    std::array<QPushButton *, layout::BankCount> m_sndOpen{};
    std::array<QPushButton *, layout::BankCount> m_sndSave{};
    std::array<QPushButton *, layout::BankCount> m_sndPlay{};
    QAction *m_menOpen = nullptr;
    QAction *m_menSave = nullptr;
    QAction *m_menExit = nullptr;
    QAction *m_menReadAll = nullptr;
    QAction *m_menWriteAll = nullptr;
};
