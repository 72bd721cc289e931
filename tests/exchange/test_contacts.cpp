// The CSV readers in-process: files as Outlook, Thunderbird and Google write
// them, in the languages read. Header lines are copied from public sources:
// - Outlook, English, German, Spanish, French, Italian: Roundcube's
//   program/localization/{en_US,de_DE,es_ES,fr_FR,it_IT}/csv2vcard.inc;
// - Outlook, Dutch: the Outlook header in Open-Xchange's CSVContactImporterTest;
// - Outlook, Swedish: Arbete, Hem, Mobiltelefon, Fax arbete as the Swedish Outlook
//   export reported in issue 21 writes them; Telefon arbete as Thunderbird's
//   sv-SE strings have it;
// - Thunderbird in every language: mail/chrome/messenger/importMsgs.properties
//   (fields 2100 to 2136) of thunderbird-l10n, in the order Thunderbird 115 writes;
// - the layouts added since: the source named above each, Thunderbird's in exchange/ThunderbirdLayouts*.cpp.
#include "exchange/SheetContacts.h"
#include "tests/exchange/ReadResults.h"

#include <QtTest>

using namespace exchange;

namespace {

const QByteArray ThunderbirdEnglish =
    "First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Screen Name,Work Phone,Home Phone,"
    "Fax Number,Pager Number,Mobile Number,Home Address,Home Address 2,Home City,Home State,Home ZipCode,Home Country,"
    "Work Address,Work Address 2,Work City,Work State,Work ZipCode,Work Country,Job Title,Department,Organization,"
    "Web Page 1,Web Page 2,Birth Year,Birth Month,Birth Day,Custom 1,Custom 2,Custom 3,Custom 4,Notes,\r\n";
const QByteArray ThunderbirdGerman =
    "Vorname,Nachname,Anzeigename,Spitzname,Primäre E-Mail-Adresse,Sekundäre E-Mail-Adresse,Messenger-Name,"
    "Tel. dienstlich,Tel. privat,Fax-Nummer,Pager-Nummer,Mobil-Tel.-Nr.,Privat: Adresse,Privat: Adresse 2,Privat: Ort,"
    "Privat: Bundesland,Privat: PLZ,Privat: Land,Dienstlich: Adresse,Dienstlich: Adresse 2,Dienstlich: Ort,"
    "Dienstlich: Bundesland,Dienstlich: PLZ,Dienstlich: Land,Arbeitstitel,Abteilung,Organisation,Webseite 1,Webseite 2,"
    "Geburtsjahr,Geburtsmonat,Geburtstag,Benutzerdef. 1,Benutzerdef. 2,Benutzerdef. 3,Benutzerdef. 4,Notizen,\r\n";
const QByteArray ThunderbirdFinnish =
    "Etunimi,Sukunimi,Näyttönimi,Lempinimi,Ensisijainen sähköposti,Toissijainen sähköposti,Näyttönimi,Työpuhelin,"
    "Kotipuhelin,Faksin numero,Hakulaitteen numero,Matkapuhelinnumero,Kotiosoite,Kotiosoite 2,Kotikaupunki,Kodin lääni,"
    "Kodin postinumero,Kotimaa,Työosoite,Työosoite 2,Työpaikan kaupunki,Työpaikan lääni,Työpaikan postinumero,"
    "Työpaikan maa,Ammattinimi,Osasto,Järjestö,Verkkosivu 1,Verkkosivu 2,Syntymävuosi,Syntymäkuukausi,Syntymäpäivä,"
    "Oma 1,Oma 2,Oma 3,Oma 4,Muistiinpanot,\r\n";

// A Thunderbird row: the fields given, then the rest of its 37 empty, a comma after the last.
QByteArray thunderbirdRow(const QByteArray &fields)
{
    return fields + QByteArray(37 - fields.count(','), ',') + "\r\n";
}

// A row named after the layout the file is read as, with no warning.
void addLayout(const char *layout, const QByteArray &file, const QStringList &entries, int leftOut = 0)
{
    QTest::newRow(layout) << file << QString::fromUtf8(layout) << entries << leftOut << QStringList() << 0 << 0;
}

} // namespace

class TestContacts : public QObject
{
    Q_OBJECT

private slots:
    void layouts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("leftOut");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<int>("errorsReplacing");

        // Excel's semicolons on a Swedish Windows, Windows-1252: work and home numbers under Arbete and Hem.
        addLayout("Outlook, Swedish",
                  "\"Titel\";\"F\xF6rnamn\";\"Mellannamn\";\"Efternamn\";\"Suffix\";\"F\xF6retag\";\"Avdelning\";"
                  "\"Befattning\";\"Postnummer arbete\";\"Fax arbete\";\"Arbete\";\"Hem\";\"Mobiltelefon\";"
                  "\"Persons\xF6kare\";\"E-postadress\";\"Anteckningar\"\r\n"
                  ";\"\xC5sa\";;\"Str\xF6m\";;;;;\"114 51\";\"08-123 46\";\"08-123 45\";\"08-555 66\";"
                  "\"070-111 22 33\";;\"asa@example.se\";\r\n"
                  ";;;;;\"Sm\xE5land AB\";;;\"352 30\";;\"0470-123 45\";;;\"0470-999\";;\r\n",
                  {"0812345 Åsa Ström", "0855566 Åsa Ström", "0701112233 Åsa Ström", "047012345 Småland AB"}, 2);
        addLayout("Outlook, Dutch",
                  "Titel,Voornaam,Middelste naam,Achternaam,Achtervoegsel,Bedrijf,Afdeling,Functie,\"Werkadres, postcode\","
                  "Fax op werk,Telefoon op werk,Telefoon thuis,Mobiele telefoon,E-mailadres,Notities\r\n"
                  ",Jan,,de Vries,,,,,1012 AB,020-123 4568,020-123 4567,,06-1234 5678,jan@example.nl,\r\n"
                  ",,,,,Bakkerij Bos,,,,,,,0612,,\r\n",
                  {"0201234567 Jan de Vries", "0612345678 Jan de Vries", "0612 Bakkerij Bos"}, 1);
        addLayout("Outlook, Spanish",
                  "\xEF\xBB\xBFTratamiento,Nombre,Segundo nombre,Apellidos,Sufijo,Organización,Departamento,Puesto,"
                  "Código postal del trabajo,Fax del trabajo,Teléfono del trabajo,Particular,Teléfono móvil\r\n"
                  ",José,,Núñez,,,,,28001,,91 123 45 67,91 765 43 21,+34 600 11 22 33\r\n",
                  {"911234567 José Núñez", "917654321 José Núñez", "0034600112233 José Núñez"});
        // The fields by position: 0 to 2 the names, 6 the screen name, 7 to 11 the numbers, 16 a postal code.
        addLayout("Thunderbird, English",
                  ThunderbirdEnglish + thunderbirdRow("Ann,Lee,Ann Lee,,,,,555-0100,,555-0101,,555-0199,,,,,90210")
                      + thunderbirdRow(",,The Office,,,,,555-0123"),
                  {"5550100 Ann Lee", "5550199 Ann Lee", "5550123 The Office"}, 1);
        addLayout("Thunderbird, German",
                  ThunderbirdGerman + thunderbirdRow("Jörg,Müller,,,,,,030 1234567,030 7654321,,0161 1,0171 2345678")
                      + thunderbirdRow(",,Praxis Weiß,,,,,0221 98765"),
                  {"0301234567 Jörg Müller", "0307654321 Jörg Müller", "01712345678 Jörg Müller", "022198765 Praxis Weiß"},
                  1);
        addLayout("Thunderbird, Finnish",
                  ThunderbirdFinnish + thunderbirdRow("Matti,Virtanen,,,,,,09 123 4567,,,,040 123 4567,,,,,00100")
                      + thunderbirdRow(",,Kahvila Oy,,,,kahvila,,,,,050 765 4321"),
                  {"091234567 Matti Virtanen", "0401234567 Matti Virtanen", "0507654321 Kahvila Oy"});
        // Name and company columns of the other languages.
        addLayout("Outlook, Norwegian",
                  "Fornavn,Etternavn,Firma,Mobiltelefon\nKari,Nordmann,,912 34 567\n,,Fjord AS,22 33 44 55\n",
                  {"91234567 Kari Nordmann", "22334455 Fjord AS"});
        addLayout("Outlook, Danish", "Fornavn,Efternavn,Mobiltelefon\nMette,Hansen,20 30 40 50\n",
                  {"20304050 Mette Hansen"});
        addLayout("Outlook, Italian", "Nome,Cognome,Società,Cellulare\nLuca,Rossi,,333 1234567\n,,Bar Sport,06 1234\n",
                  {"3331234567 Luca Rossi", "061234 Bar Sport"});
        addLayout("Outlook, French", "Prénom,Nom,Société,Tél. mobile\nLuc,Martin,,06 12 34 56 78\n",
                  {"0612345678 Luc Martin"});
        addLayout("Outlook, Finnish", "Etunimi,Sukunimi,Yritys,Matkapuhelin\n,,Sauna Oy,040 1\n", {"0401 Sauna Oy"});
        // The layouts added since, each by its name and telephone columns: three numbers read, a fax left out.
        const struct { const char *layout, *header; } more[] = {
            {"Thunderbird, Polish", "Imię,Nazwisko,Telefonu służbowy,Telefon domowy,Numer faksu,Numer telefonu komórkowego"},
            {"Thunderbird, Hungarian", "Utónév,Vezetéknév,Munkahelyi telefon,Otthoni telefon,Fax,Mobil"},
            {"Thunderbird, Slovak", "Krstné meno,Priezvisko,Telefón do zamestnania,Telefón domov,Fax,Mobil"},
            {"Thunderbird, Czech", "Křestní jméno,Příjmení,Telefon do zaměstnání,Telefon domů,Faxové číslo,Číslo na mobil"},
            {"Thunderbird, Russian", "Имя,Фамилия,Рабочий телефон,Домашний телефон,Номер факса,Номер мобильного телефона"},
            {"Thunderbird, Ukrainian", "Ім'я,Прізвище,Телефон (роб.),Телефон,Номер факсу,Номер мобільного телефону"},
            {"Thunderbird, Portuguese (Brazil)", "Primeiro nome,Sobrenome,Telefone comercial,Telefone residencial,Número do fax,Número do celular"},
            {"Thunderbird, Portuguese (Portugal)", "Nome,Apelido,Telefone profissional,Telefone de casa,Número de fax,Número de telemóvel"},
            {"Thunderbird, Turkish", "İsim,Soyadı,İş telefonu,Ev telefonu,Faks numarası,Cep telefonu"},
            {"Thunderbird, Chinese (Simplified)", "名字,姓氏,工作电话,家庭电话,传真号码,移动电话号码"},
            {"Thunderbird, Chinese (Traditional)", "名,姓,商務電話,住家電話,傳真號碼,手機號碼"},
            {"Thunderbird, Korean", "이름,성,직장 전화,자택 전화,팩스,휴대폰"},
            {"Thunderbird, Japanese", "名,姓,勤務先の電話番号,自宅の電話番号,FAX 番号,携帯電話番号"},
            {"Thunderbird, Sinhala", "නමේ මුල් කොටස,නමේ අග කොටස,කාර්යාල දුරකතනය,නිවසේ දුරකතනය,ෆැක්ස් අංකය,ජංගම දු.ක"},
            {"Thunderbird, Afrikaans", "Voornaam,Van,Telefoon werk,Telefoon tuis,Faksnommer,Selfoonnommer"},
            {"Thunderbird, Asturian", "Nome,Apellíos,Teléfonu (Trabayu),Teléfonu particular,Fax,Teléfonu móvil"},
            {"Thunderbird, Spanish (Mexico)", "Nombre,Apellido,Teléfono de trabajo,Teléfono de casa,Número de fax,Teléfono celular"},
            {"Thunderbird, Galician", "Nome,Apelidos,Telefono do traballo,Teléfono particular,Número de fax,Número de móbil"},
            {"Thunderbird, Croatian", "Ime,Prezime,Telefon (posao),Telefon (kuća),Faks,Mobitel"},
            {"Thunderbird, Norwegian Nynorsk", "Førenamn,Etternamn,Jobbtelefon,Heimetelefon,Faks,Mobil"},
            {"Thunderbird, Interlingua", "Prenomine,Nomine de familia,Telephono officio,Telephono casa,Numero fax,Numero de apparato mobile"},
            {"Thunderbird, Romansh", "Prenum,Num da famiglia,Telefon lavur,Telefon privat,Numer da fax,Numer da telefonin"},
            {"Thunderbird, Greek", "Όνομα,Επώνυμο,Τηλέφωνο εργασίας,Τηλέφωνο οικίας,Αριθμός φαξ,Αριθμός κινητού"},
            {"Thunderbird, Hebrew", "שם פרטי,שם משפחה,טלפון בעבודה,טלפון בבית,מספר פקס,מספר נייד"},
            {"Thunderbird, Romanian", "Prenume,Nume de familie,Telefon de serviciu,Telefon de acasă,Număr de fax,Telefon mobil"},
            {"Thunderbird, Catalan", "Nom,Cognoms,Telèfon de la feina,Telèfon particular,Número de fax,Número de mòbil"},
            {"Thunderbird, Lithuanian", "Vardas,Pavardė,Darbo telefonas,Namų telefonas,Fakso numeris,Mobiliojo tel. numeris"},
            {"Thunderbird, Latvian", "Vārds,Uzvārds,Darba telefons,Mājas telefons,Faksa numurs,Mobilais numurs"},
            {"Thunderbird, Estonian", "Eesnimi,Perekonnanimi,Töötelefon,Kodune telefon,Faksi number,Mobiilinumber"},
            {"Thunderbird, Slovenian", "Ime,Priimek,Telefon v službi,Telefon doma,Številka faksa,Številka mobilnika"},
            {"Thunderbird, Bulgarian", "Име,Фамилия,Служебен телефон,Домашен телефон,Факс,Мобилен телефон"},
            {"Thunderbird, Serbian", "Име,Презиме,Пословни телефон,Кућни телефон,Број факса,Број мобилног"},
            {"Thunderbird, Icelandic", "Skírnarnafn,Eftirnafn,Vinnusími,Heimasími,Faxnúmer,Farsími"},
            {"Thunderbird, Spanish (Argentina)", "Primer nombre,Apellido,Teléfono (Trabajo),Teléfono particular,Fax,Teléfono móvil"},
            {"Thunderbird, Macedonian", "Име,Презиме,Телефон на работа,Домашен телефон,Факс,Мобилен"},
            {"Thunderbird, Arabic", "الاسم الأول,الاسم الأخير,هاتف العمل,هاتف المنزل,رقم الفاكس,رقم المحمول"},
            {"Thunderbird, Albanian", "Emër,Mbiemër,Telefon Pune,Telefon Shtëpie,Numër Faksi,Numër Celulari"},
            {"Thunderbird, Armenian", "Անուն,Ազգանուն,Աշխ. հեռախոս,Տնային հեռախոս,Ֆաքսի համարը,Բջջ. համար"},
            {"Thunderbird, Basque", "Izena,Abizena,Laneko telefonoa,Etxeko telefonoa,Fax zenbakia,Mugikor zenbakia"},
            {"Thunderbird, Belarusian", "Імя,Прозвішча,Працоўны тэляфон,Хатні тэляфон,Нумар факса,Нумар мабільніка"},
            {"Thunderbird, Bosnian", "Ime,Prezime,Telefon (posao),Telefon (kuća),Faks broj,Broj mobilnog"},
            {"Thunderbird, Breton", "Kentañv,Anv familh,Pellgomz al Labour,Pellgomz er gêr,Niverenn ar Pelleiler,Niverenn hezougell"},
            {"Thunderbird, Frisian", "Foarnamme,Efternamme,Telefoan wurk,Telefoan thús,Faksnûmer,Mobyl nûmer"},
            {"Thunderbird, Georgian", "სახელი,გვარი,სამსახურის ტელეფონი,ბინის ტელეფონი,ფაქსი,მობილური ტელეფონი"},
            {"Thunderbird, Indonesian", "Nama Depan,Nama Belakang,Telepon Kantor,Telepon Rumah,Nomor Fax,Nomor Handphone"},
            {"Thunderbird, Irish", "Ainm,Sloinne,Fón Oibre,Fón Baile,Uimhir Fhacs,Uimhir Fhóin Phóca"},
            {"Thunderbird, Kabyle", "Isem n twacult,Isem,Tiliɣri n umahil,Tiliɣri n uxxam,Uṭṭun fax,Tiliɣṛi n ufus"},
            {"Thunderbird, Kaqchikel", "Nab'ey B'i'aj,Ruka'n B'i'aj,Royonib'al Samaj,Royonib'al Jay,Rajilab'al Taqowuj,Rajilab'al Oyonib'äl"},
            {"Thunderbird, Kazakh", "Аты,Тегi,Жұмыс телефоны,Үй телефоны,Факс нөмірі,Қалта тел. нөмірі"},
            {"Thunderbird, Lower Sorbian", "Pśedmě,Familijowe mě,Słuzbny telefon,Priwatny telefon,Faksowe cysło,Cysło mobilnego telefona"},
            {"Thunderbird, Malay", "Nama Pertama,Nama Keluarga,Telefon Kerja,Telefon Rumah,Nombor Faks,Nombor Telefon Bimbit"},
            {"Thunderbird, Scottish Gaelic", "Ainm,Sloinneadh,Fòn na h-obrach,Fòn na dachaighe,Àireamh an fhacs,Àireamh an fhòn-làimhe"},
            {"Thunderbird, Thai", "ชื่อจริง,นามสกุล,โทรศัพท์ที่ทำงาน,โทรศัพท์บ้าน,หมายเลขโทรสาร,หมายเลขมือถือ"},
            {"Thunderbird, Upper Sorbian", "Předmjeno,Swójbne mjeno,Słužbny telefon,Priwatny telefon,Faksowe čisło,Čisko mobilneho telefona"},
            {"Thunderbird, Uzbek", "Ismi,Familiyasi,Ish telefoni,Uy telefoni,Faks raqami,Mobil raqami"},
            {"Thunderbird, Vietnamese", "Tên,Họ,Điện thoại công ty,Điện thoại nhà,Số Fax,Số Di Động"},
            {"Thunderbird, Welsh", "Enw Cyntaf,Enw Olaf,Rhif Ffôn Gwaith,Rhif Ffôn Cartref,Rhif Ffacs,Rhif Ffôn Symudol"},
            {"Outlook, Polish", "Imię,Nazwisko,Telefon służbowy,Telefon domowy,Faks służbowy,Telefon komórkowy"},
            {"Outlook, Portuguese (Brazil)", "Primeiro nome,Último nome,Fone comercial,Fone de casa,Fax comercial,Celular"},
            {"Outlook, Slovak", "Krstné meno,Priezvisko,Telefón do práce,Telefón domov,Fax do práce,Mobilný telefón"},
            {"Outlook, Norwegian", "Fornavn,Etternavn,\"Telefon, arb.\",\"Telefon, priv.\",Faks (arbeid),Mobiltelefon"},
        };
        for (const auto &m : more)
            addLayout(m.layout, QByteArray(m.header) + "\r\nAnna,Berg,011,012,013,014\r\n",
                      {"011 Anna Berg", "012 Anna Berg", "014 Anna Berg"}, 1);
        // Google labels its numbers; a fax is left out by its label.
        addLayout("Google Contacts",
                  "First Name,Last Name,Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,Phone 2 - Value\n"
                  "Eva,Berg,Mobile,070-1 ::: 070-2,Work Fax,08-2\n",
                  {"0701 Eva Berg", "0702 Eva Berg"}, 1);
        // More cells of another program's layout, but only ours can read a number.
        QTest::newRow("our number beside name columns")
            << QByteArray("First Name,Last Name,number\nBo,Ek,0701\n") << QString() << QStringList{"0701 "} << 0
            << QStringList{"1: column(s) ignored: First Name, Last Name"} << 0 << 0;
        // A column the layout does not list is named when it holds telephone numbers, once.
        QTest::newRow("unlisted telephone column")
            << QByteArray("Förnamn,Efternamn,Mobiltelefon,Telefon 3,Hobby\nBo,Ek,070-1,08-123 45,segling\n"
                          "Anna,Ek,070-2,08-765 43,\nNils,Ek,070-3,,ridning\n")
            << QStringLiteral("Outlook, Swedish") << QStringList{"0701 Bo Ek", "0702 Anna Ek", "0703 Nils Ek"} << 0
            << QStringList{"1: column \"Telefon 3\" is no column of Outlook, Swedish; its 2 value(s), most of them "
                           "telephone numbers, are left out"} << 0 << 0;
        // A skipped row gets one warning however many of its fields are bad; replacing, each is an error.
        QTest::newRow("one warning per skipped row")
            << QByteArray("number,name,sound,sbit1,sbit2\n1,x,8,2,3\n2,y,0,0,0\n") << QString() << QStringList{"2 y"}
            << 0 << QStringList{"2: entry \"x\": sound \"8\" is not 0 to 7; skipped"} << 1 << 3;
        // Another program's row of no number: one warning; a row of a fax alone is counted, not skipped.
        QTest::newRow("no number, a fax alone")
            << QByteArray("Vorname,Nachname,Telefon privat,Fax privat\nA,B,,\nC,D,,040 1\n")
            << QStringLiteral("Outlook, German") << QStringList() << 1
            << QStringList{"2: entry \"A B\" has no telephone number; skipped"} << 1 << 0;
        // A name of invisible characters only, and no other: skipped.
        QTest::newRow("invisible name")
            << QByteArray("First Name,Last Name,Mobile Phone\n\xE2\x80\x8F,\xE2\x80\x8C,0701\n")
            << QStringLiteral("Outlook, English") << QStringList() << 0
            << QStringList{"2: row has a name of only invisible characters and no other; skipped"} << 1 << 1;
    }

    void layouts()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, layout);
        QFETCH(QStringList, entries);
        QFETCH(int, leftOut);
        QFETCH(QStringList, warnings);
        QFETCH(int, skipped);
        QFETCH(int, errorsReplacing);
        const ReadResult r = readCsv(file);
        QVERIFY2(r.ok(), qPrintable(notes(r.errors).join(QLatin1Char('\n'))));
        QCOMPARE(r.layout, layout);
        QCOMPARE(::entries(r), entries);
        QCOMPARE(r.leftOut, leftOut);
        QCOMPARE(r.skipped, skipped);
        QCOMPARE(notes(r.warnings), warnings);
        QCOMPARE(readCsv(file, Mode::Replace).errors.size(), errorsReplacing);
    }

    // A source of no contacts is read without an error, so that the import decides;
    // a file that is no contacts file at all stays an error.
    void emptySources_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("ok");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("white space") << QByteArray(" \r\n\t\n") << true;
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF\r\n") << true;
        QTest::newRow("UTF-16 white space") << QByteArray("\xFE\xFF\0\r\0\n", 6) << true;
        QTest::newRow("our header") << QByteArray("number,name,sound\r\n") << true;
        QTest::newRow("Outlook header") << QByteArray("F\xF6rnamn;Efternamn;Arbete;Hem;Mobiltelefon\r\n") << true;
        QTest::newRow("empty spreadsheet") << writeXlsx({}) << true;
        QTest::newRow("spreadsheet of a header") << writeOds({{QStringLiteral("number")}}) << true;
        QTest::newRow("text") << QByteArray("Dear Anna,\nthe numbers are below.\n") << false;
        QTest::newRow("no telephone column") << QByteArray("First Name,Last Name\nAnna,Berg\n") << false;
        // A cell several languages share decides nothing: Czech Outlook columns, but for Pager.
        QTest::newRow("one shared cell") << QByteArray("Křestní jméno,Příjmení,Mobilní telefon,Pager\nJan,Novák,601,602\n") << false;
    }

    void emptySources()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, ok);
        for (Mode mode : {Mode::Add, Mode::Replace}) {
            const ReadResult r = readContactsFile(file, mode);
            QCOMPARE(r.ok(), ok);
            QVERIFY(r.contacts.isEmpty());
            QCOMPARE(r.skipped, 0);
        }
    }
};

QTEST_APPLESS_MAIN(TestContacts)
#include "test_contacts.moc"
