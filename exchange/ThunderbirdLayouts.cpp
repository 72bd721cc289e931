#include "exchange/LayoutTable.h"

namespace exchange::layouts {

// Thunderbird's CSV export in each language it is read in, as LayoutTable.cpp
// describes its rows; Thunderbird writes the header from fields 2100 to 2136
// of its importMsgs.properties, in that order. Read before those of ThunderbirdLayouts2.cpp.
const LayoutRow ThunderbirdTable[] = {
    // Organisation, County and Post Code as en-GB writes them, Postal Code as en-CA does (thunderbird-l10n
    // en-GB/ and en-CA/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136); pa-IN's is en-US's,
    // and so is Esperanto's: mozilla-l10n/firefox-l10n eo/mail/chrome/messenger/importMsgs.properties.
    {"Thunderbird", "English",
     "given: First Name\nfamily: Last Name\ndisplay: Display Name\ncompany: Organization|Organisation\n"
     "phone: Work Phone|Home Phone|Mobile Number\nfax: Fax Number\npager: Pager Number\n"
     "other: Nickname|Primary Email|Secondary Email|Screen Name|Home Address|Home Address 2|Home City|Home State|"
     "Home County|Home ZipCode|Home Post Code|Home Postal Code|Home Country|Work Address|Work Address 2|Work City|"
     "Work State|Work County|Work ZipCode|Work Post Code|Work Postal Code|Work Country|Job Title|Department|"
     "Web Page 1|Web Page 2|Birth Year|Birth Month|Birth Day|Custom 1|Custom 2|Custom 3|Custom 4|Notes"},
    {"Thunderbird", "Swedish",
     "given: Förnamn\nfamily: Efternamn\ndisplay: Visa|Visningsnamn\ncompany: Organisation\n"
     "phone: Telefon arbete|Telefon privat|Mobiltelefon\nfax: Faxnummer\npager: Personsökare\n"
     "other: Smeknamn|E-post|Ytterligare e-post|Skärmnamn|Adress privat (rad 1)|Adress privat (rad 2)|Stad privat|"
     "Landsdel (Stat) privat|Postnummer privat|Land privat|Adress arbete (rad 1)|Adress arbete (rad 2)|Stad arbete|"
     "Landsdel (Stat) arbete|Postnummer arbete|Land arbete|Titel|Avdelning|Webbplats privat|Webbplats arbete|Född år|"
     "Född månad|Född dag|Annan uppgift 1|Annan uppgift 2|Annan uppgift 3|Annan uppgift 4|Anteckningar"},
    {"Thunderbird", "Norwegian",
     "given: Fornavn\nfamily: Etternavn\ndisplay: Fullt navn\ncompany: Organisasjon\n"
     "phone: Arbeidstelefon|Hjemmetelefon|Mobil\nfax: Faks\npager: Personsøker\n"
     "other: Kallenavn|Primær e-post|Sekundær e-post|Skjermnavn|Hjem Adresse|Hjem Adresse 2|Hjem Poststed|Hjem Region|"
     "Hjem Postnr|Hjem Land|Arbeid Adresse|Arbeid Adresse 2|Arbeid Poststed|Arbeid Region|Arbeid Postnr|Arbeid Land|"
     "Jobbtittel|Avdeling|Nettside 1|Nettside 2|Fødselsår|Fødselsmåned|Fødselsdag|Tilpasset 1|Tilpasset 2|"
     "Tilpasset 3|Tilpasset 4|Notater"},
    {"Thunderbird", "Danish",
     "given: Fornavn\nfamily: Efternavn\ndisplay: Vis navn\ncompany: Organisation\n"
     "phone: Arbejdstelefon|Hjemmetelefon|Mobilnummer\nfax: Faxnummer\npager: Personsøgernummer\n"
     "other: Alias|Primær mail|Sekundær mail|Skærmnavn|Hjemmeadresse|Hjemmeadresse 2|Hjemmeby|Hjemmestat|"
     "Hjemmepostnummer|Hjemmeland|Arbejdsadresse|Arbejdsadresse 2|Arbejdsby|Arbejdsstat|Arbejdspostnummer|Arbejdsland|"
     "Job titel|Afdeling|Webside 1|Webside 2|Fødselsår|Fødselsmåned|Fødselsdag|Brugerdef. 1|Brugerdef. 2|"
     "Brugerdef. 3|Brugerdef. 4|Notater"},
    {"Thunderbird", "Finnish",
     // Screen Name is Näyttönimi too; the display name comes first.
     "given: Etunimi\nfamily: Sukunimi\ndisplay: Näyttönimi\ncompany: Järjestö\n"
     "phone: Työpuhelin|Kotipuhelin|Matkapuhelinnumero\nfax: Faksin numero\npager: Hakulaitteen numero\n"
     "other: Lempinimi|Ensisijainen sähköposti|Toissijainen sähköposti|Kotiosoite|Kotiosoite 2|Kotikaupunki|"
     "Kodin lääni|Kodin postinumero|Kotimaa|Työosoite|Työosoite 2|Työpaikan kaupunki|Työpaikan lääni|"
     "Työpaikan postinumero|Työpaikan maa|Ammattinimi|Osasto|Verkkosivu 1|Verkkosivu 2|Syntymävuosi|Syntymäkuukausi|"
     "Syntymäpäivä|Oma 1|Oma 2|Oma 3|Oma 4|Muistiinpanot"},
    {"Thunderbird", "German",
     "given: Vorname\nfamily: Nachname\ndisplay: Anzeigename\ncompany: Organisation\n"
     "phone: Tel. dienstlich|Tel. privat|Mobil-Tel.-Nr.\nfax: Fax-Nummer\npager: Pager-Nummer\n"
     "other: Spitzname|Primäre E-Mail-Adresse|Sekundäre E-Mail-Adresse|Messenger-Name|Chat-Name|Privat: Adresse|"
     "Privat: Adresse 2|Privat: Ort|Privat: Bundesland|Privat: PLZ|Privat: Land|Dienstlich: Adresse|"
     "Dienstlich: Adresse 2|Dienstlich: Ort|Dienstlich: Bundesland|Dienstlich: PLZ|Dienstlich: Land|Arbeitstitel|"
     "Abteilung|Webseite 1|Webseite 2|Geburtsjahr|Geburtsmonat|Geburtstag|Benutzerdef. 1|Benutzerdef. 2|"
     "Benutzerdef. 3|Benutzerdef. 4|Notizen"},
    {"Thunderbird", "French",
     "given: Prénom\nfamily: Nom de famille\ndisplay: Nom à afficher\ncompany: Société\n"
     "phone: Tél. professionnel|Tél. personnel|Portable\nfax: Fax\npager: Pager\n"
     "other: Surnom|Adresse e-mail principale|Adresse e-mail secondaire|Adresse électronique principale|"
     "Adresse électronique secondaire|Nom de l'écran|Adresse privée|Adresse privée 2|Ville|Pays/État|Code postal|"
     "Région|Pays/Région (domicile)|Adresse professionnelle|Adresse professionnelle 2|Pays/Région (bureau)|Profession|"
     "Service|Site web 1|Site web 2|Année de naissance|Mois|Jour|Divers 1|Divers 2|Divers 3|Divers 4|Notes"},
    {"Thunderbird", "Spanish",
     // Nombre en pantalla: the screen name today, the display name to older exports.
     "given: Nombre\nfamily: Apellidos\ndisplay: Nombre mostrado|Nombre en pantalla\ncompany: Organización\n"
     "phone: Teléfono (Trabajo)|Teléfono particular|Teléfono móvil\nfax: Fax\npager: Buscapersonas\n"
     "other: Apodo|Dirección de correo electrónico principal|Dirección de correo electrónico secundaria|"
     "Dirección personal|Dirección personal 2|Ciudad donde vive|Provincia|Código postal|País de residencia|"
     "Dirección de trabajo|Dirección de trabajo 2|Ciudad (Trabajo)|Provincia (Trabajo)|Código postal (Trabajo)|"
     "País (Trabajo)|Puesto|Departamento|Página web 1|Página web 2|Año de nacimiento|Mes de nacimiento|"
     "Día de nacimiento|Personalizado 1|Personalizado 2|Personalizado 3|Personalizado 4|Notas"},
    {"Thunderbird", "Dutch",
     "given: Voornaam\nfamily: Achternaam\ndisplay: Weergavenaam\ncompany: Organisatie\n"
     "phone: Telefoon werk|Telefoon thuis|Mobiel nummer\nfax: Faxnummer\npager: Piepernummer\n"
     "other: Bijnaam|Primair e-mailadres|Secundair e-mailadres|Schermnaam|Adres|Adres 2|Woonplaats|Provincie|Postcode|"
     "Land|Werkadres|Werkadres 2|Werklocatie|Werkprovincie|Werkpostcode|Werkland|Werkfunctie|Afdeling|Webpagina 1|"
     "Webpagina 2|Geboortejaar|Geboortemaand|Geboortedag|Overig 1|Overig 2|Overig 3|Overig 4|Aantekeningen"},
    {"Thunderbird", "Italian",
     "given: Nome\nfamily: Cognome\ndisplay: Nome visualizzato\ncompany: Organizzazione\n"
     "phone: Telefono lavoro|Telefono casa|Numero cellulare\nfax: Numero fax\npager: Numero cercapersone|Numero Pager\n"
     "other: Soprannome|Email primaria|Email principale|Email secondaria|Nome Instant Messenger|Indirizzo di casa|"
     "Indirizzo di casa 2|Città di residenza|Provincia di residenza|CAP di residenza|Nazione di residenza|"
     "Indirizzo di lavoro|Indirizzo di lavoro 2|Città di lavoro|Provincia di lavoro|CAP di lavoro|Nazione di lavoro|"
     "Qualifica|Reparto|Pagina web 1|Pagina web 2|Anno di nascita|Mese di nascita|Giorno di nascita|"
     "Personalizzato 1|Personalizzato 2|Personalizzato 3|Personalizzato 4|Note"},
    // thunderbird-l10n pl/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Polish",
     "given: Imię\n"
     "family: Nazwisko\n"
     "display: Wyświetlana nazwa\n"
     "company: Firma/Organizacja\n"
     "phone: Telefonu służbowy|Telefon domowy|Numer telefonu komórkowego\n"
     "fax: Numer faksu\n"
     "pager: Pager\n"
     "other: Pseudonim|Podstawowy e-mail|Dodatkowy e-mail|Adres domowy|Adres domowy 2|Miasto (dom)|"
     "Województwo (dom)|Kod pocztowy (dom)|Państwo (dom)|Adres służbowy|Adres służbowy 2|Miasto (praca)|"
     "Województwo (praca)|Kod pocztowy (praca)|Państwo (praca)|Stanowisko|Dział|Strona WWW 1|Strona WWW 2|"
     "Urodziny – Rok|Urodziny – Miesiąc|Urodziny – Dzień|Informacja 1|Informacja 2|Informacja 3|"
     "Informacja 4|Notatki|Komunikator AIM"},
    // thunderbird-l10n hu/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Hungarian",
     "given: Utónév\n"
     "family: Vezetéknév\n"
     "display: Megjelenő név\n"
     "company: Szervezet\n"
     "phone: Munkahelyi telefon|Otthoni telefon|Mobil\n"
     "fax: Fax\n"
     "pager: Személyhívó\n"
     "other: Becenév|Elsődleges e-mail|Másodlagos e-mail|Otthoni cím|Otthoni cím 2|Város|Állam|"
     "Irányítószám|Ország|Munkahelyi cím|Munkahelyi cím 2|Város (munkahely):|Állam (munkahely):|"
     "Irányítószám (munkahely):|Ország (munkahely):|Beosztás|Részleg|Weboldal 1|Weboldal 2|Születési év|"
     "Születési hónap|Születési nap|Egyéni 1|Egyéni 2|Egyéni 3|Egyéni 4|Megjegyzés|Felhasználónév"},
    // thunderbird-l10n sk/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Slovak",
     "given: Krstné meno\n"
     "family: Priezvisko\n"
     "display: Zobrazované meno\n"
     "company: Organizácia\n"
     "phone: Telefón do zamestnania|Telefón domov|Mobil\n"
     "fax: Fax\n"
     "pager: Pager\n"
     "other: Prezývka|Primárna e‑mailová adresa|Ďalšia e‑mailová adresa|Adresa domov|Adresa domov 2|"
     "Mesto domov|Štát (oblasť) domov|PSČ domov|Štát domov|Pracovná adresa|Pracovná adresa 2|"
     "Mesto zamestnania|Štát (oblasť) zamestnania|PSČ zamestnania|Štát zamestnania|Funkcia|Oddelenie|"
     "Webová stránka 1|Webová stránka 2|Rok narodenia|Mesiac narodenia|Deň narodenia|Ostatné 1|Ostatné 2|"
     "Ostatné 3|Ostatné 4|Poznámky"},
    // thunderbird-l10n cs/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Czech",
     "given: Křestní jméno\n"
     "family: Příjmení\n"
     "display: Zobrazované jméno\n"
     "company: Společnost\n"
     "phone: Telefon do zaměstnání|Telefon domů|Číslo na mobil\n"
     "fax: Faxové číslo\n"
     "pager: Číslo na pager\n"
     "other: Přezdívka|První e-mail|Druhý e-mail|Adresa domů|Adresa domů 2|Město|Kraj|PSČ|Země|"
     "Adresa do zaměstnání|Adresa do zaměstnání 2|Pozice|Oddělení|Webová stránka 1|webová stránka 2|"
     "Rok narození|Měsíc narození|Den narození|Vlastní 1|Vlastní 2|Vlastní 3|Vlastní 4|Poznámky"},
    // thunderbird-l10n ru/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Russian",
     "given: Имя\n"
     "family: Фамилия\n"
     "display: Отображаемое имя\n"
     "company: Организация\n"
     "phone: Рабочий телефон|Домашний телефон|Номер мобильного телефона\n"
     "fax: Номер факса\n"
     "pager: Номер пейджера\n"
     "other: Псевдоним|Адрес электронной почты|Альтернативный адрес электронной почты|Адрес|Адрес 2|Город|"
     "Регион|Почтовый индекс|Страна|Адрес (раб.)|Адрес 2 (раб.)|Город (раб.)|Регион (раб.)|"
     "Почтовый индекс (раб.)|Страна (раб.)|Должность|Отдел|Веб-страница 1|Веб-страница 2|Год рождения|"
     "Месяц рождения|День рождения|Прочее 1|Прочее 2|Прочее 3|Прочее 4|Заметки|Интернет-пейджер"},
    // thunderbird-l10n uk/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Ukrainian",
     "given: Ім'я\n"
     "family: Прізвище\n"
     "display: Ім'я для показу\n"
     "company: Організація\n"
     "phone: Телефон (роб.)|Телефон|Номер мобільного телефону\n"
     "fax: Номер факсу\n"
     "pager: Номер пейджера\n"
     "other: Псевдонім|Адреса електронної пошти|Альтернативна адреса електронної пошти|Адреса|Адреса 2|"
     "Місто|Область|Поштовий індекс|Країна|Адреса (роб.)|Адреса 2 (роб.)|Місто (роб.)|Область (роб.)|"
     "Поштовий індекс (роб.)|Країна (роб.)|Посада|Відділ|Вебсторінка 1|Вебсторінка 2|Рік народження|"
     "Місяць народження|День народження|Інше 1|Інше 2|Інше 3|Інше 4|Примітки"},
    // thunderbird-l10n bg/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Bulgarian",
     "given: Име\n"
     "family: Фамилия\n"
     "display: Показвано име\n"
     "company: Организация\n"
     "phone: Служебен телефон|Домашен телефон|Мобилен телефон\n"
     "fax: Факс\n"
     "pager: Пейджър\n"
     "other: Псевдоним|Основна е-поща|Допълнителна е-поща|Домашен адрес|Домашен адрес 2|Местоживеене|"
     "Област|Zip Код|Държава|Служебен адрес|Служебен адрес 2|Месторабота|Служебен Zip Код|Длъжност|Отдел|"
     "Уеб страница 1|Уеб страница 2|Година на раждане|Месец на раждане|Ден на раждане|Друго 1|Друго 2|"
     "Друго 3|Друго 4|Бележки|Изобразено име"},
    // thunderbird-l10n sr/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Serbian",
     "given: Име\n"
     "family: Презиме\n"
     "display: Име за приказ\n"
     "company: Организација\n"
     "phone: Пословни телефон|Кућни телефон|Број мобилног\n"
     "fax: Број факса\n"
     "pager: Број пејџера\n"
     "other: Надимак|Примарни мејл|Секундарни мејл|Кућна адреса|Кућна адреса 2|Град|Област|Поштански број|"
     "Држава|Пословна адреса|Пословна адреса 2|Регија|ZipCode|Титула на послу|Одељење|Веб страница 1|"
     "Веб страница 2|Година рођења|Месец рођења|Дан рођења|Произвољно 1|Произвољно 2|Произвољно 3|"
     "Произвољно 4|Белешке"},
    // thunderbird-l10n mk/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Macedonian",
     "given: Име\n"
     "family: Презиме\n"
     "display: Вообичаено\n"
     "company: Организација\n"
     "phone: Телефон на работа|Домашен телефон|Мобилен\n"
     "fax: Факс\n"
     "pager: Пејџер\n"
     "other: Прекар|Примарна адреса за е-пошта|Секундарна адреса|Домашна адреса|Домашна адреса 2|Град|"
     "Провинција|Поштенски код|Држава|Работна адреса|Работна адреса 2|Работен град|Работна провинција|"
     "Работен поштенски код|Работна држава|Занимање|Оддел|Мрежна страница 1|Мрежна страница 2|"
     "Година на раѓање|Месец на раѓање|Ден на раѓање|Сопствено 1|Сопствено 2|Сопствено 3|Сопствено 4|"
     "Забелешки"},
    // thunderbird-l10n pt-BR/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Portuguese (Brazil)",
     "given: Primeiro nome\n"
     "family: Sobrenome\n"
     "display: Nome de exibição\n"
     "company: Organização\n"
     "phone: Telefone comercial|Telefone residencial|Número do celular\n"
     "fax: Número do fax\n"
     "pager: Número do pager\n"
     "other: Apelido|Email principal|Email secundário|Endereço|Endereço 2|Cidade|Estado|CEP|País|"
     "Endereço comercial|Endereço comercial 2|Cidade de trabalho|Estado de trabalho|CEP comercial|"
     "País de trabalho|Cargo|Setor|Página web 1|Página web 2|Ano de nascimento|Mês de nascimento|"
     "Data de nascimento|Personalizado 1|Personalizado 2|Personalizado 3|Personalizado 4|Notas|"
     "Nome de tela"},
    // thunderbird-l10n pt-PT/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Portuguese (Portugal)",
     "given: Nome\n"
     "family: Apelido\n"
     "display: Nome exibido\n"
     "company: Organização\n"
     "phone: Telefone profissional|Telefone de casa|Número de telemóvel\n"
     "fax: Número de fax\n"
     "pager: Número de pager\n"
     "other: Nickname|Email primário|E-mail secundário|Endereço pessoal|Endereço pessoal 2|Naturalidade|"
     "Distrito|Código postal|Nacionalidade|Endereço profissional|Endereço profissional 2|Local de trabalho|"
     "Distrito do local de trabalho|Código postal do local de trabalho|País do local de trabalho|Profissão|"
     "Departamento|Página web 1|Página web 2|Ano de nascimento|Mês de nascimento|Dia de nascimento|"
     "Personalizado 1|Personalizado 2|Personalizado 3|Personalizado 4|Notas|Nome a mostrar"},
    // thunderbird-l10n tr/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Turkish",
     "given: İsim\n"
     "family: Soyadı\n"
     "display: Görüntülenecek isim\n"
     "company: Kurum\n"
     "phone: İş telefonu|Ev telefonu|Cep telefonu\n"
     "fax: Faks numarası\n"
     "pager: Çağrı cihazı\n"
     "other: Takma adı|Birinci e-posta|İkinci e-posta|Ev adresi|Ev adresi 2|Ev şehri|Ev bölgesi|"
     "Ev posta kodu|Ev ülkesi|İş adresi|İş adresi 2|İş şehri|İş bölgesi|İş posta kodu|İş ülkesi|İş unvanı|"
     "Bölüm|Web sayfası 1|Web sayfası 2|Doğum yılı|Doğum ayı|Doğum günü|Özel 1|Özel 2|Özel 3|Özel 4|Notlar|"
     "Ekran adı"},
    // thunderbird-l10n el/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Greek",
     "given: Όνομα\n"
     "family: Επώνυμο\n"
     "display: Εμφανιζόμενο όνομα\n"
     "company: Εταιρεία\n"
     "phone: Τηλέφωνο εργασίας|Τηλέφωνο οικίας|Αριθμός κινητού\n"
     "fax: Αριθμός φαξ\n"
     "pager: Αριθμός βομβητή\n"
     "other: Ψευδώνυμο|Κύριο email|Δευτερεύον email|Διεύθυνση οικίας|Διεύθυνση οικίας 2|Πόλη οικίας|"
     "Πολιτεία οικίας|Ταχ. κώδικας οικίας|Χώρα οικίας|Διεύθυνση εργασίας|Διεύθυνση εργασίας 2|"
     "Πόλη εργασίας|Πολιτεία εργασίας|Ταχ. κώδικας εργασίας|Χώρα εργασίας|Τίτλος εργασίας|Τμήμα|"
     "Ιστοσελίδα 1|Ιστοσελίδα 2|Έτος γέννησης|Μήνας γέννησης|Ημέρα γέννησης|Προσαρμοσμένο 1|"
     "Προσαρμοσμένο 2|Προσαρμοσμένο 3|Προσαρμοσμένο 4|Σημειώσεις"},
    // thunderbird-l10n he/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Hebrew",
     "given: שם פרטי\n"
     "family: שם משפחה\n"
     "display: שם תצוגה\n"
     "company: ארגון\n"
     "phone: טלפון בעבודה|טלפון בבית|מספר נייד\n"
     "fax: מספר פקס\n"
     "pager: מספר איתורית\n"
     "other: כינוי|דוא״ל ראשי|דוא״ל משני|כתובת בבית|כתובת בבית 2|עיר מגורים|מדינת מגורים|מיקוד מגורים|"
     "ארץ מגורים|כתובת עבודה|כתובת עבודה 2|עיר עבודה|מדינת עבודה|מיקוד עבודה|ארץ עבודה|תפקיד|מחלקה|אתר 1|"
     "אתר 2|שנת לידה|חודש לידה|יום לידה|התאמה אישית 1|התאמה אישית 2|התאמה אישית 3|התאמה אישית 4|הערות|"
     "שם מסך"},
    // thunderbird-l10n ar/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Arabic",
     "given: الاسم الأول\n"
     "family: الاسم الأخير\n"
     "display: اسم العرض\n"
     "company: المنظّمة\n"
     "phone: هاتف العمل|هاتف المنزل|رقم المحمول\n"
     "fax: رقم الفاكس\n"
     "pager: رقم جهاز الاستدعاء\n"
     "other: الكنية|البريد الرئيسي|البريد الثانوي|عنوان المنزل|عنوان المنزل 2|مدينة المنزل|ولاية المنزل|"
     "رمز بريد المنزل|دولة المنزل|عنوان العمل|عنوان العمل 2|مدينة العمل|ولاية العمل|رمز بريد العمل|"
     "دولة العمل|المسمى الوظيفي|القِسْم|صفحة الوِب 1|صفحة الوِب 2|سنة الميلاد|شهر الميلاد|يوم الميلاد|"
     "مخصص 1|مخصص 2|مخصص 3|مخصص 4|ملاحظات|اسم الشاشة"},
    // thunderbird-l10n ro/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Romanian",
     "given: Prenume\n"
     "family: Nume de familie\n"
     "display: Nume de afișat\n"
     "company: Organizație\n"
     "phone: Telefon de serviciu|Telefon de acasă|Telefon mobil\n"
     "fax: Număr de fax\n"
     "pager: Număr de pager\n"
     "other: Pseudonim|E-mail primar|E-mail secundar|Adresă acasă|Adresă acasă 2|Localitate domiciliu|"
     "Județ domiciliu|Cod poștal domiciliu|Țară domiciliu|Adresă serviciu|Adresă serviciu 2|"
     "Localitate serviciu|Județ serviciu|Cod poștal serviciu|Țară serviciu|Funcție|Departament|"
     "Pagină web 1|Pagină web 2|Anul nașterii|Lună de naștere|Zi de naștere|Diverse 1|Diverse 2|Diverse 3|"
     "Diverse 4|Note|Nume afișat"},
    // thunderbird-l10n ca/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Catalan",
     "given: Nom\n"
     "family: Cognoms\n"
     "display: Nom a mostrar\n"
     "company: Organització\n"
     "phone: Telèfon de la feina|Telèfon particular|Número de mòbil\n"
     "fax: Número de fax\n"
     "pager: Número de buscapersones\n"
     "other: Sobrenom|Adreça electrònica principal|Adreça electrònica secundària|Adreça particular|"
     "Adreça particular 2|Població (particular)|Comarca (particular)|Codi postal (particular)|"
     "País (particular)|Adreça de la feina|Adreça de la feina 2|Població (feina)|Comarca (feina)|"
     "Codi postal (feina)|País (feina)|Càrrec|Departament|Pàgina web 1|Pàgina web 2|Any de naixement|"
     "Mes de naixement|Dia de naixement|Personalitzat 1|Personalitzat 2|Personalitzat 3|Personalitzat 4|"
     "Anotacions"},
    // thunderbird-l10n lt/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Lithuanian",
     "given: Vardas\n"
     "family: Pavardė\n"
     "display: Asmenvardis\n"
     "company: Įstaiga\n"
     "phone: Darbo telefonas|Namų telefonas|Mobiliojo tel. numeris\n"
     "fax: Fakso numeris\n"
     "pager: Pranešimų gaviklio numeris\n"
     "other: Slapyvardis|Pirminis el. pašto adresas|Antrinis el. pašto adresas|Namų adresas|Namų adresas 2|"
     "Miestas|Valstija, sritis, provincija|Namų pašto indeksas|Valstybė|Darbovietės adresas|"
     "Darbovietės adresas 2|Darbo įstaigos pašto indeksas|Pareigos|Padalinys|Tinklalapis 1|Tinklalapis 2|"
     "Gimimo metai|Gimimo mėnuo|Gimimo diena|Pastabos|AOL abonento vardas"},
    // thunderbird-l10n lv/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Latvian",
     "given: Vārds\n"
     "family: Uzvārds\n"
     "display: Rādāmais vārds\n"
     "company: Organizācija\n"
     "phone: Darba telefons|Mājas telefons|Mobilais numurs\n"
     "fax: Faksa numurs\n"
     "pager: Peidžera numurs\n"
     "other: Segvārds|Primārais epasts|Papildu epasts|Mājas adrese|Mājas adrese 2|Mājas pilsēta|"
     "Mājas pavalsts|Mājas pasta indekss|Mājas valsts|Darba adrese|Darba adrese 2|Darba pilsēta|"
     "Darba pavalsts|Darbs pasta indekss|Darba valsts|Amata nosaukums|Nodaļa|Tīmekļa lapa 1|Tīmekļa lapa 2|"
     "Dzimšanas gads|Dzimšanas mēnesis|Dzimšanas diena|Pielāgots 1|Pielāgots 2|Pielāgots 3|Pielāgots 4|"
     "Piezīmes|Ekrāna nosaukums"},
    // thunderbird-l10n et/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Estonian",
     "given: Eesnimi\n"
     "family: Perekonnanimi\n"
     "display: Kuvatav nimi\n"
     "company: Organisatsioon\n"
     "phone: Töötelefon|Kodune telefon|Mobiilinumber\n"
     "fax: Faksi number\n"
     "pager: Peileri number\n"
     "other: Hüüdnimi|Peamine e-posti aadress|Muu e-posti aadress|Kodune aadress|Kodune aadress 2|"
     "Kodu linn|Kodu maakond|Kodu postiindeks|Kodu riik|Tööaadress|Tööaadress 2|Töö linn|Töö maakond|"
     "Töö postiindeks|Töö riik|Amet|Osakond|Veebileht 1|Veebileht 2|Sünniaasta|Sünnikuu|Sünnipäev|"
     "Kohandatud 1|Kohandatud 2|Kohandatud 3|Kohandatud 4|Märkused|Ekraaninimi"},
    // mozilla-l10n/firefox-l10n si/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136 (eight
    // of them left in English).
    {"Thunderbird", "Sinhala",
     "given: නමේ මුල් කොටස\n"
     "family: නමේ අග කොටස\n"
     "display: නම පෙන්වීම\n"
     "company: ආයතකය\n"
     "phone: කාර්යාල දුරකතනය|නිවසේ දුරකතනය|ජංගම දු.ක\n"
     "fax: ෆැක්ස් අංකය\n"
     "pager: Pager Number\n"
     "other: විකල්පනාමය|විද්යුත් තැපැල්|ද්වීතියික විද්යුත් තැපැල්|නිවසේ ලිපිනය|නිවසේ ලිපිනය 2|පදිංචි නගරය|"
     "Home State|Home ZipCode|පදිංචි රට|කාර්යාල ලිපිනය|කාර්යාල ලිපිනය 2|Work City|Work State|Work ZipCode|"
     "Work Country|තනතුර|අංශය|වෙබ් පිටුව 1|වෙබ් පිටුව 2|උපන් වසර|උපන් මාසය|උපන් දානය|රිසිකරණය 1|රිසිකරණය 2|"
     "රිසිකරණය 3|රිසිකරණය 4|සටහන්|Screen Name"},
};

const int ThunderbirdCount = int(sizeof ThunderbirdTable / sizeof ThunderbirdTable[0]);

} // namespace exchange::layouts
