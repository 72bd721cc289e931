#include "exchange/LayoutTable.h"

namespace exchange::layouts {

// Each layout: the program, the language of its column names, then one line
// per role: "role: Column|Column|...". Names as the program writes them (UTF-8);
// '#' stands for a number (Google numbers its repeated columns). Where
// exports of one language have been seen to differ, both names are listed.
// Roles: number name sound sbit1-4 (ours), given middle family display
// company (a row's name), phone, kind (the label of Google's phone column),
// fax, pager (left out), reading-given -middle -family -display (how the
// name is spoken), other (read by nobody). tests/exchange/test_contacts.cpp
// names the public sources of the first layouts; each later one names its own
// above it. Where no public source gives a column, it is left out.
const LayoutRow LayoutTable[] = {
    {"vire-image", "", "number: number\nname: name\nsound: sound\nsbit1: sbit1\nsbit2: sbit2\nsbit3: sbit3\nsbit4: sbit4"},

    {"Google Contacts", "",
     "given: First Name\nmiddle: Middle Name\nfamily: Last Name\ncompany: Organization Name\n"
     "phone: Phone # - Value\nkind: Phone # - Label\n"
     "reading-given: Phonetic First Name\nreading-middle: Phonetic Middle Name\nreading-family: Phonetic Last Name\n"
     "other: Name Prefix|Name Suffix|Nickname|File As|"
     "Organization Title|Organization Department|Birthday|Notes|Photo|Labels|E-mail # - Label|E-mail # - Value|"
     "Address # - Label|Address # - Formatted|Address # - Street|Address # - City|Address # - PO Box|Address # - Region|"
     "Address # - Postal Code|Address # - Country|Address # - Extended Address|Website # - Label|Website # - Value|"
     "Relation # - Label|Relation # - Value|Event # - Label|Event # - Value|Custom Field # - Label|"
     "Custom Field # - Value|IM # - Label|IM # - Service|IM # - Value"},
    {"Google Contacts", "legacy",
     "display: Name\ngiven: Given Name\nmiddle: Additional Name\nfamily: Family Name\ncompany: Organization # - Name\n"
     "phone: Phone # - Value\nkind: Phone # - Type\n"
     "reading-display: Yomi Name\nreading-given: Given Name Yomi\nreading-middle: Additional Name Yomi\n"
     "reading-family: Family Name Yomi\n"
     "other: Name Prefix|Name Suffix|Initials|Nickname|"
     "Short Name|Maiden Name|Birthday|Gender|Location|Billing Information|Directory Server|Mileage|Occupation|Hobby|"
     "Sensitivity|Priority|Subject|Notes|Language|Photo|Group Membership|E-mail # - Type|E-mail # - Value|IM # - Type|"
     "IM # - Service|IM # - Value|Address # - Type|Address # - Formatted|Address # - Street|Address # - City|"
     "Address # - PO Box|Address # - Region|Address # - Postal Code|Address # - Country|Address # - Extended Address|"
     "Organization # - Type|Organization # - Yomi Name|Organization # - Title|Organization # - Department|"
     "Organization # - Symbol|Organization # - Location|Organization # - Job Description|Website # - Type|"
     "Website # - Value|Relation # - Type|Relation # - Value|Event # - Type|Event # - Value|Custom Field # - Type|"
     "Custom Field # - Value"},

    {"Outlook", "English",
     "given: First Name\nmiddle: Middle Name\nfamily: Last Name\ncompany: Company\n"
     "phone: Assistant's Phone|Business Phone|Business Phone 2|Callback|Car Phone|Company Main Phone|Home Phone|"
     "Home Phone 2|ISDN|Mobile Phone|Other Phone|Primary Phone|Radio Phone|TTY/TDD Phone\n"
     "fax: Business Fax|Home Fax|Other Fax\npager: Pager\n"
     "reading-given: Given Name Yomi\nreading-family: Family Name Yomi\n"
     "other: Title|Suffix|Department|Job Title|Business Street|Business Street 2|"
     "Business Street 3|Business City|Business State|Business Postal Code|Business Country/Region|Home Street|"
     "Home Street 2|Home Street 3|Home City|Home State|Home Postal Code|Home Country/Region|Other Street|Other Street 2|"
     "Other Street 3|Other City|Other State|Other Postal Code|Other Country/Region|Telex|Account|Anniversary|"
     "Assistant's Name|Billing Information|Birthday|Business Address PO Box|Categories|Children|Directory Server|"
     "E-mail Address|E-mail Type|E-mail Display Name|E-mail 2 Address|E-mail 2 Type|E-mail 2 Display Name|"
     "E-mail 3 Address|E-mail 3 Type|E-mail 3 Display Name|Gender|Government ID Number|Hobby|Home Address PO Box|"
     "Initials|Internet Free Busy|Keywords|Language|Location|Manager's Name|Mileage|Notes|Office Location|"
     "Organizational ID Number|Other Address PO Box|Priority|Private|Profession|Referred By|Sensitivity|Spouse|"
     "User 1|User 2|User 3|User 4|Web Page"},
    {"Thunderbird", "English",
     "given: First Name\nfamily: Last Name\ndisplay: Display Name\ncompany: Organization\n"
     "phone: Work Phone|Home Phone|Mobile Number\nfax: Fax Number\npager: Pager Number\n"
     "other: Nickname|Primary Email|Secondary Email|Screen Name|Home Address|Home Address 2|Home City|Home State|"
     "Home ZipCode|Home Country|Work Address|Work Address 2|Work City|Work State|Work ZipCode|Work Country|Job Title|"
     "Department|Web Page 1|Web Page 2|Birth Year|Birth Month|Birth Day|Custom 1|Custom 2|Custom 3|Custom 4|Notes"},

    {"Outlook", "Swedish",
     "given: Förnamn\nmiddle: Mellannamn\nfamily: Efternamn\ncompany: Företag\n"
     "phone: Arbete|Arbete 2|Telefon arbete|Telefon arbete 2|Hem|Hem 2|Telefon hem|Telefon hem 2|Mobiltelefon|"
     "Assistentens telefon|Återuppringning|Biltelefon|Företag, växel|Växel|ISDN|Annan telefon|Primär telefon|"
     "Radiotelefon|Texttelefon|TTY/TDD-telefon\n"
     "fax: Fax arbete|Fax hem|Annan fax\npager: Personsökare\n"
     "other: Titel|Suffix|Avdelning|Befattning|Gatuadress arbete|Gatuadress 2 arbete|Gatuadress 3 arbete|Ort arbete|"
     "Region arbete|Postnummer arbete|Land arbete|Land/region arbete|Gatuadress hem|Gatuadress 2 hem|Gatuadress 3 hem|"
     "Ort hem|Region hem|Postnummer hem|Land hem|Land/region hem|Annan gatuadress|Annan gatuadress 2|"
     "Annan gatuadress 3|Annan ort|Annan region|Annat postnummer|Annat land|Annat land/region|Telex|Konto|Årsdag|"
     "Assistentens namn|Faktureringsinformation|Födelsedag|Postbox arbete|Kategorier|Barn|Katalogserver|E-postadress|"
     "E-posttyp|E-post visningsnamn|E-postadress 2|E-posttyp 2|E-post 2 visningsnamn|E-postadress 3|E-posttyp 3|"
     "E-post 3 visningsnamn|Kön|ID-nummer|Hobby|Postbox hem|Initialer|Ledig/upptagen på Internet|Nyckelord|Språk|"
     "Plats|Chefens namn|Körsträcka|Anteckningar|Kontor|Organisations-ID|Annan postbox|Prioritet|Privat|Yrke|"
     "Refererad av|Känslighet|Make/maka|Användare 1|Användare 2|Användare 3|Användare 4|Webbsida"},
    {"Thunderbird", "Swedish",
     "given: Förnamn\nfamily: Efternamn\ndisplay: Visa|Visningsnamn\ncompany: Organisation\n"
     "phone: Telefon arbete|Telefon privat|Mobiltelefon\nfax: Faxnummer\npager: Personsökare\n"
     "other: Smeknamn|E-post|Ytterligare e-post|Skärmnamn|Adress privat (rad 1)|Adress privat (rad 2)|Stad privat|"
     "Landsdel (Stat) privat|Postnummer privat|Land privat|Adress arbete (rad 1)|Adress arbete (rad 2)|Stad arbete|"
     "Landsdel (Stat) arbete|Postnummer arbete|Land arbete|Titel|Avdelning|Webbplats privat|Webbplats arbete|Född år|"
     "Född månad|Född dag|Annan uppgift 1|Annan uppgift 2|Annan uppgift 3|Annan uppgift 4|Anteckningar"},

    // Telefon, arb. and Telefon, priv. as the Norwegian Outlook export reported in issue 29 writes them.
    {"Outlook", "Norwegian",
     "given: Fornavn\nmiddle: Mellomnavn\nfamily: Etternavn\ncompany: Firma\n"
     "phone: Telefon, arb.|Telefon, priv.|Telefon (arbeid)|Telefon 2 (arbeid)|Arbeidstelefon|Arbeidstelefon 2|Telefon (privat)|Telefon 2 (privat)|"
     "Hjemmetelefon|Hjemmetelefon 2|Mobiltelefon|Annen telefon|Primærtelefon|Hovedtelefon|Biltelefon|Sentralbord|"
     "Firmaets hovedtelefon|Tilbakeringing|Radiotelefon|Assistentens telefon|ISDN|Teksttelefon|TTY/TDD-telefon\n"
     "fax: Faks (arbeid)|Faks (privat)|Annen faks\npager: Personsøker\n"
     "other: Tittel|Suffiks|Avdeling|Stilling|Gateadresse (arbeid)|Gateadresse 2 (arbeid)|Gateadresse 3 (arbeid)|"
     "Poststed (arbeid)|Fylke (arbeid)|Postnummer (arbeid)|Land (arbeid)|Gateadresse (privat)|Gateadresse 2 (privat)|"
     "Gateadresse 3 (privat)|Poststed (privat)|Fylke (privat)|Postnummer (privat)|Land (privat)|Annen gateadresse|"
     "Annet poststed|Annet fylke|Annet postnummer|Annet land|Teleks|Konto|Merkedag|Fødselsdag|Kategorier|Barn|"
     "E-postadresse|E-posttype|E-postvisningsnavn|E-postadresse 2|E-postadresse 3|Kjønn|Hobby|Initialer|Nøkkelord|"
     "Språk|Plassering|Notater|Kontor|Prioritet|Privat|Yrke|Ektefelle|Bruker 1|Bruker 2|Bruker 3|Bruker 4|Webside"},
    {"Thunderbird", "Norwegian",
     "given: Fornavn\nfamily: Etternavn\ndisplay: Fullt navn\ncompany: Organisasjon\n"
     "phone: Arbeidstelefon|Hjemmetelefon|Mobil\nfax: Faks\npager: Personsøker\n"
     "other: Kallenavn|Primær e-post|Sekundær e-post|Skjermnavn|Hjem Adresse|Hjem Adresse 2|Hjem Poststed|Hjem Region|"
     "Hjem Postnr|Hjem Land|Arbeid Adresse|Arbeid Adresse 2|Arbeid Poststed|Arbeid Region|Arbeid Postnr|Arbeid Land|"
     "Jobbtittel|Avdeling|Nettside 1|Nettside 2|Fødselsår|Fødselsmåned|Fødselsdag|Tilpasset 1|Tilpasset 2|"
     "Tilpasset 3|Tilpasset 4|Notater"},

    {"Outlook", "Danish",
     "given: Fornavn\nmiddle: Mellemnavn\nfamily: Efternavn\ncompany: Firma\n"
     "phone: Telefon (arbejde)|Telefon 2 (arbejde)|Arbejdstelefon|Arbejdstelefon 2|Telefon (privat)|Telefon 2 (privat)|"
     "Privattelefon|Privattelefon 2|Mobiltelefon|Anden telefon|Primær telefon|Biltelefon|Firma hovedtelefon|"
     "Tilbagekald|Radiotelefon|Assistents telefon|ISDN|TTY/TDD-telefon\n"
     "fax: Fax (arbejde)|Fax (privat)|Anden fax\npager: Personsøger\n"
     "other: Titel|Suffiks|Afdeling|Stilling|Gade (arbejde)|Gade 2 (arbejde)|Gade 3 (arbejde)|By (arbejde)|"
     "Område (arbejde)|Postnummer (arbejde)|Land/område (arbejde)|Gade (privat)|Gade 2 (privat)|Gade 3 (privat)|"
     "By (privat)|Område (privat)|Postnummer (privat)|Land/område (privat)|Anden gade|Anden by|Andet område|"
     "Andet postnummer|Andet land/område|Telex|Konto|Mærkedag|Fødselsdag|Kategorier|Børn|E-mail-adresse|E-mail-type|"
     "E-mail-vist navn|E-mail 2-adresse|E-mail 3-adresse|Køn|Hobby|Initialer|Nøgleord|Sprog|Placering|Noter|Kontor|"
     "Prioritet|Privat|Erhverv|Ægtefælle|Bruger 1|Bruger 2|Bruger 3|Bruger 4|Webside"},
    {"Thunderbird", "Danish",
     "given: Fornavn\nfamily: Efternavn\ndisplay: Vis navn\ncompany: Organisation\n"
     "phone: Arbejdstelefon|Hjemmetelefon|Mobilnummer\nfax: Faxnummer\npager: Personsøgernummer\n"
     "other: Alias|Primær mail|Sekundær mail|Skærmnavn|Hjemmeadresse|Hjemmeadresse 2|Hjemmeby|Hjemmestat|"
     "Hjemmepostnummer|Hjemmeland|Arbejdsadresse|Arbejdsadresse 2|Arbejdsby|Arbejdsstat|Arbejdspostnummer|Arbejdsland|"
     "Job titel|Afdeling|Webside 1|Webside 2|Fødselsår|Fødselsmåned|Fødselsdag|Brugerdef. 1|Brugerdef. 2|"
     "Brugerdef. 3|Brugerdef. 4|Notater"},

    {"Outlook", "Finnish",
     "given: Etunimi\nmiddle: Toinen nimi\nfamily: Sukunimi\ncompany: Yritys\n"
     "phone: Työpuhelin|Työpuhelin 2|Kotipuhelin|Kotipuhelin 2|Matkapuhelin|Muu puhelin|Ensisijainen puhelin|"
     "Autopuhelin|Yrityksen vaihde|Takaisinsoitto|Radiopuhelin|Avustajan puhelin|ISDN|Tekstipuhelin\n"
     "fax: Työfaksi|Kotifaksi|Muu faksi\npager: Hakulaite\n"
     "other: Puhuttelu|Jälkiliite|Osasto|Tehtävänimike|Työosoite|Työosoite 2|Työosoite 3|Työpaikan postitoimipaikka|"
     "Työpaikan lääni|Työpaikan postinumero|Työpaikan maa|Kotiosoite|Kotiosoite 2|Kotiosoite 3|"
     "Kodin postitoimipaikka|Kodin lääni|Kodin postinumero|Kotimaa|Muu osoite|Muu postitoimipaikka|Muu postinumero|"
     "Muu maa|Teleksi|Tili|Vuosipäivä|Syntymäpäivä|Luokat|Lapset|Sähköpostiosoite|Sähköpostin laji|"
     "Sähköpostin näyttönimi|Sähköposti 2: osoite|Sähköposti 3: osoite|Sukupuoli|Harrastukset|Nimikirjaimet|"
     "Avainsanat|Kieli|Sijainti|Muistiinpanot|Toimisto|Prioriteetti|Yksityinen|Ammatti|Puoliso|Käyttäjä 1|"
     "Käyttäjä 2|Käyttäjä 3|Käyttäjä 4|Web-sivu"},
    {"Thunderbird", "Finnish",
     // Screen Name is Näyttönimi too; the display name comes first.
     "given: Etunimi\nfamily: Sukunimi\ndisplay: Näyttönimi\ncompany: Järjestö\n"
     "phone: Työpuhelin|Kotipuhelin|Matkapuhelinnumero\nfax: Faksin numero\npager: Hakulaitteen numero\n"
     "other: Lempinimi|Ensisijainen sähköposti|Toissijainen sähköposti|Kotiosoite|Kotiosoite 2|Kotikaupunki|"
     "Kodin lääni|Kodin postinumero|Kotimaa|Työosoite|Työosoite 2|Työpaikan kaupunki|Työpaikan lääni|"
     "Työpaikan postinumero|Työpaikan maa|Ammattinimi|Osasto|Verkkosivu 1|Verkkosivu 2|Syntymävuosi|Syntymäkuukausi|"
     "Syntymäpäivä|Oma 1|Oma 2|Oma 3|Oma 4|Muistiinpanot"},

    {"Outlook", "German",
     "given: Vorname\nmiddle: Weitere Vornamen\nfamily: Nachname\ncompany: Firma\n"
     "phone: Telefon geschäftlich|Telefon geschäftlich 2|Telefon privat|Telefon privat 2|Mobiltelefon|Telefon Assistent|"
     "Rückmeldung|Autotelefon|Telefon Firma|ISDN|Weiteres Telefon|Haupttelefon|Funktelefon|Texttelefon\n"
     "fax: Fax geschäftlich|Fax privat|Weiteres Fax\npager: Pager\n"
     "other: Anrede|Suffix|Abteilung|Position|Straße geschäftlich|Straße geschäftlich 2|Straße geschäftlich 3|"
     "Ort geschäftlich|Region geschäftlich|Postleitzahl geschäftlich|Land/Region geschäftlich|Land geschäftlich|"
     "Straße privat|Straße privat 2|Straße privat 3|Ort privat|Bundesland/Kanton privat|Region privat|"
     "Postleitzahl privat|Land/Region privat|Land privat|Weitere Straße|Weitere Straße 2|Weitere Straße 3|"
     "Weiterer Ort|Weiteres/r Bundesland/Kanton|Weitere Region|Weitere Postleitzahl|Weiteres/r Land/Region|"
     "Weiteres Land|Telex|Konto|Jahrestag|Name Assistent|Abrechnungsinformation|Geburtstag|Postfach geschäftlich|"
     "Kategorien|Kinder|Verzeichnisserver|E-Mail-Adresse|E-Mail-Typ|E-Mail: Angezeigter Name|E-Mail 2: Adresse|"
     "E-Mail 2: Typ|E-Mail 2: Angezeigter Name|E-Mail 3: Adresse|E-Mail 3: Typ|E-Mail 3: Angezeigter Name|Geschlecht|"
     "Regierungs-Nr.|Hobby|Postfach privat|Initialen|Internet-Frei/Gebucht|Stichwörter|Sprache|Ort|"
     "Name des/der Vorgesetzten|Manager's Name|Reisekilometer|Notizen|Büro|Organisations-Nr.|Weiteres Postfach|"
     "Priorität|Privat|Beruf|Empfohlen von|Vertraulichkeit|Partner|Spouse|Title|Benutzer 1|Benutzer 2|Benutzer 3|"
     "Benutzer 4|Webseite"},
    {"Thunderbird", "German",
     "given: Vorname\nfamily: Nachname\ndisplay: Anzeigename\ncompany: Organisation\n"
     "phone: Tel. dienstlich|Tel. privat|Mobil-Tel.-Nr.\nfax: Fax-Nummer\npager: Pager-Nummer\n"
     "other: Spitzname|Primäre E-Mail-Adresse|Sekundäre E-Mail-Adresse|Messenger-Name|Chat-Name|Privat: Adresse|"
     "Privat: Adresse 2|Privat: Ort|Privat: Bundesland|Privat: PLZ|Privat: Land|Dienstlich: Adresse|"
     "Dienstlich: Adresse 2|Dienstlich: Ort|Dienstlich: Bundesland|Dienstlich: PLZ|Dienstlich: Land|Arbeitstitel|"
     "Abteilung|Webseite 1|Webseite 2|Geburtsjahr|Geburtsmonat|Geburtstag|Benutzerdef. 1|Benutzerdef. 2|"
     "Benutzerdef. 3|Benutzerdef. 4|Notizen"},

    {"Outlook", "French",
     "given: Prénom\nmiddle: Deuxième prénom\nfamily: Nom\ncompany: Société\n"
     "phone: Téléphone (bureau)|Téléphone 2 (bureau)|Téléphone (domicile)|Téléphone 2 (domicile)|Tél. mobile|"
     "Téléphone de l'assistant(e)|Rappel|Téléphone (voiture)|Téléphone société|RNIS|Téléphone (autre)|"
     "Téléphone principal|Radiotéléphone|Téléphone TDD/TTY\n"
     "fax: Télécopie (bureau)|Télécopie (domicile)|Télécopie (autre)\npager: Récepteur de radiomessagerie\n"
     "other: Titre|Suffixe|Service|Profession|Rue (bureau)|Rue 2 (bureau)|Rue 3 (bureau)|Ville (bureau)|"
     "Dép/Région (bureau)|Code postal (bureau)|Pays/Région (bureau)|Rue (domicile)|Rue 2 (domicile)|Rue 3 (domicile)|"
     "Ville (domicile)|Dép/Région (domicile)|Code postal (domicile)|Pays/Région (domicile)|Rue (autre)|Rue 2 (autre)|"
     "Rue 3 (autre)|Ville (autre)|Dép/Région (autre)|Code postal (autre)|Pays/Région (autre)|Télex|Compte|"
     "Anniversaire de mariage ou fête|Nom de l'assistant(e)|Informations facturation|Anniversaire|"
     "B.P. professionnelle|Catégories|Enfants|Serveur d'annuaire|Adresse de messagerie|Type de messagerie|"
     "Nom complet de l'adresse de messagerie|Adresse de messagerie 2|Adresse de messagerie 3|Sexe|Passe-temps|"
     "Initiales|Disponibilité Internet|Mots clés|Langue|Lieu|Nom du manager|Manager's Name|Kilométrage|Notes|Bureau|"
     "Priorité|Privé|Recommandé par|Critère de diffusion|Conjoint(e)|Utilisateur 1|Utilisateur 2|Utilisateur 3|"
     "Utilisateur 4|Page Web"},
    {"Thunderbird", "French",
     "given: Prénom\nfamily: Nom de famille\ndisplay: Nom à afficher\ncompany: Société\n"
     "phone: Tél. professionnel|Tél. personnel|Portable\nfax: Fax\npager: Pager\n"
     "other: Surnom|Adresse e-mail principale|Adresse e-mail secondaire|Adresse électronique principale|"
     "Adresse électronique secondaire|Nom de l'écran|Adresse privée|Adresse privée 2|Ville|Pays/État|Code postal|"
     "Région|Pays/Région (domicile)|Adresse professionnelle|Adresse professionnelle 2|Pays/Région (bureau)|Profession|"
     "Service|Site web 1|Site web 2|Année de naissance|Mois|Jour|Divers 1|Divers 2|Divers 3|Divers 4|Notes"},

    {"Outlook", "Spanish",
     "given: Nombre\nmiddle: Segundo nombre\nfamily: Apellidos\ncompany: Organización|Compañía|Empresa\n"
     "phone: Teléfono del trabajo|Teléfono del trabajo 2|Particular|Particular 2|Teléfono particular|"
     "Teléfono particular 2|Móvil|Teléfono móvil|Teléfono del asistente|Devolución de llamada|Teléfono del automóvil|"
     "Número de centralita de la organización|RDSI|Otro teléfono|Teléfono principal|Radioteléfono|Número de teletipo|"
     "Mobile Phone|Home Phone 2|Business Phone 2|Car Phone|Assistant's Phone\n"
     "fax: Fax del trabajo|Fax particular|Otro fax|Business Fax|Home Fax\npager: Localizador|Buscapersonas|Pager\n"
     "other: Tratamiento|Sufijo|Departamento|Puesto|Calle del trabajo|Calle del trabajo 2|Calle del trabajo 3|"
     "Ciudad de trabajo|Provincia o estado de trabajo|Código postal del trabajo|País o región del trabajo|"
     "Calle del domicilio|Calle del domicilio 2|Calle del domicilio 3|Ciudad de residencia|"
     "Provincia o estado de residencia|Código postal de residencia|País o región del domicilio|Otra calle|"
     "Otra calle 2|Otra calle 3|Otra ciudad|Otra provincia o estado|Otro código postal|Otro país o región|Télex|"
     "Cuenta|Aniversario|Nombre del asistente|Información de facturación|Cumpleaños|Apartado postal del trabajo|"
     "Categorías|Hijos|Servidor de directorio|Dirección de correo electrónico|Tipo de correo electrónico|"
     "Nombre mostrado del correo electrónico|Dirección de correo electrónico 2|Dirección del correo electrónico 3|"
     "Género|Sexo|Aficiones|Iniciales|Palabras clave|Idioma|Ubicación|Nombre del director|Kilometraje|Notas|Oficina|"
     "Prioridad|Privado|Profesión|Remitido por|Confidencialidad|Cónyuge|Usuario 1|Usuario 2|Usuario 3|Usuario 4|"
     "Página web|Anniversary|Assistant's Name|Birthday|Department|E-mail Address|Home City|Home Postal Code|"
     "Home State|Home Street|Notes|Spouse|Suffix|Title"},
    {"Thunderbird", "Spanish",
     // Nombre en pantalla: the screen name today, the display name to older exports.
     "given: Nombre\nfamily: Apellidos\ndisplay: Nombre mostrado|Nombre en pantalla\ncompany: Organización\n"
     "phone: Teléfono (Trabajo)|Teléfono particular|Teléfono móvil\nfax: Fax\npager: Buscapersonas\n"
     "other: Apodo|Dirección de correo electrónico principal|Dirección de correo electrónico secundaria|"
     "Dirección personal|Dirección personal 2|Ciudad donde vive|Provincia|Código postal|País de residencia|"
     "Dirección de trabajo|Dirección de trabajo 2|Ciudad (Trabajo)|Provincia (Trabajo)|Código postal (Trabajo)|"
     "País (Trabajo)|Puesto|Departamento|Página web 1|Página web 2|Año de nacimiento|Mes de nacimiento|"
     "Día de nacimiento|Personalizado 1|Personalizado 2|Personalizado 3|Personalizado 4|Notas"},

    {"Outlook", "Dutch",
     "given: Voornaam\nmiddle: Middelste naam\nfamily: Achternaam\ncompany: Bedrijf\n"
     "phone: Telefoon op werk|Telefoon op werk 2|Telefoon thuis|Telefoon thuis 2|Mobiele telefoon|Telefoon assistent|"
     "Terugbellen|Autotelefoon|Hoofdtelefoon bedrijf|ISDN|Andere telefoon|Hoofdtelefoon|Radiotelefoon|Teksttelefoon\n"
     "fax: Fax op werk|Fax thuis|Andere fax\npager: Pager\n"
     "other: Titel|Achtervoegsel|Afdeling|Functie|Werkadres, straat|Werkadres 2, straat|Werkadres 3, straat|"
     "Werkadres, plaats|Werkadres, provincie|Werkadres, postcode|Land/regio (werk)|Huisadres, straat|"
     "Huisadres, straat 2|Huisadres, straat 3|Huisadres, plaats|Huisadres, provincie|Huisadres, postcode|"
     "Land/regio (thuis)|Ander adres, straat|Ander adres, straat 2|Ander adres, straat 3|Ander adres, plaats|"
     "Ander adres, provincie|Ander adres, postcode|Land/regio (anders)|Telex|Account|Adreslijstserver|"
     "Ander adres, postbusnummer|Beroep|Categorieën|Categorien|E-mailadres|E-mailtype|Weergavenaam voor e-mail|"
     "E-mailadres 2|E-mailtype 2|E-mail, weergegeven naam 2|E-mailadres 3|E-mailtype 3|E-mail, weergegeven naam 3|"
     "Factuurinformatie|Gebruiker 1|Gebruiker 2|Gebruiker 3|Gebruiker 4|Geslacht|Gevoeligheid|Hobby's|"
     "Huisadres, postbusnummer|Initialen|Internet Beschikbaarheidsinfo|Kantoorlocatie|Kinderen|Locatie|"
     "Naam assistent|Naam manager|Notities|Organisatie-id|Partner|Prioriteit|Priv|Privé|Referentie van|Reisafstand|"
     "Sofinummer|Speciale datum|Taal|Trefwoorden|Verjaardag|Webpagina|Werkadres, postbusnummer"},
    {"Thunderbird", "Dutch",
     "given: Voornaam\nfamily: Achternaam\ndisplay: Weergavenaam\ncompany: Organisatie\n"
     "phone: Telefoon werk|Telefoon thuis|Mobiel nummer\nfax: Faxnummer\npager: Piepernummer\n"
     "other: Bijnaam|Primair e-mailadres|Secundair e-mailadres|Schermnaam|Adres|Adres 2|Woonplaats|Provincie|Postcode|"
     "Land|Werkadres|Werkadres 2|Werklocatie|Werkprovincie|Werkpostcode|Werkland|Werkfunctie|Afdeling|Webpagina 1|"
     "Webpagina 2|Geboortejaar|Geboortemaand|Geboortedag|Overig 1|Overig 2|Overig 3|Overig 4|Aantekeningen"},

    {"Outlook", "Italian",
     "given: Nome\nmiddle: Secondo nome\nfamily: Cognome\ncompany: Società\n"
     "phone: Ufficio|Ufficio 2|Telefono di lavoro|Telefono di lavoro 2|Abitazione|Abitazione 2|Telefono di casa|"
     "Telefono di casa 2|Cellulare|Telefono mobile|Telefono assistente|Telefono dell'assistente|Richiamata automatica|"
     "Telefono auto|Telefono dell'auto|Telefono principale società|ISDN|Altro telefono|Phone Altro|"
     "Telefono principale|Radiotelefono|Telefono TTY/TDD\n"
     "fax: Fax ufficio|Fax abitazione|Altro fax|Fax di lavoro|Fax di casa|Fax Altro\n"
     "pager: Cercapersone|Numero cercapersone\n"
     "other: Titolo|Suffisso|Reparto|Posizione|Qualifica|Via (uff.)|Via (uff.) 2|Via (uff.) 3|Città (uff.)|"
     "Provincia (uff.)|CAP (uff.)|Paese (uff.)|Via (ab.)|Via (ab.) 2|Via (ab.) 3|Città (ab.)|Provincia (ab.)|CAP (ab.)|"
     "Paese (ab.)|Altra via|Altra via 2|Altra via 3|Altra città|Altra provincia|Altro CAP|Altro paese|"
     "Indirizzo di lavoro|Città di lavoro|Provincia di lavoro|CAP di lavoro|Nazione/Regione di lavoro|"
     "Indirizzo di casa|Città di residenza|Provincia di residenza|CAP di casa|Nazione/Regione di casa|Città Altro|"
     "Nazione/Regione Altro|CAP Postale Altro|Stato Altro|Via Altro|Telex|Account|Anniversario|"
     "Nome dell'assistente|Compleanno|Categorie|Figli|Indirizzo posta elettronica|Indirizzo E-mail|"
     "Indirizzo E-mail 2|Indirizzo E-mail 3|Genere|Sesso|Hobby|Iniziali|Parole chiave|Lingua|Luogo|"
     "Nome del Responsabile|Note|Priorità|Privato|Professione|Coniuge|Utente 1|Utente 2|Utente 3|Utente 4|"
     "Pagina Web"},
    {"Thunderbird", "Italian",
     "given: Nome\nfamily: Cognome\ndisplay: Nome visualizzato\ncompany: Organizzazione\n"
     "phone: Telefono lavoro|Telefono casa|Numero cellulare\nfax: Numero fax\npager: Numero cercapersone|Numero Pager\n"
     "other: Soprannome|Email primaria|Email principale|Email secondaria|Nome Instant Messenger|Indirizzo di casa|"
     "Indirizzo di casa 2|Città di residenza|Provincia di residenza|CAP di residenza|Nazione di residenza|"
     "Indirizzo di lavoro|Indirizzo di lavoro 2|Città di lavoro|Provincia di lavoro|CAP di lavoro|Nazione di lavoro|"
     "Qualifica|Reparto|Pagina web 1|Pagina web 2|Anno di nascita|Mese di nascita|Giorno di nascita|"
     "Personalizzato 1|Personalizzato 2|Personalizzato 3|Personalizzato 4|Note"},

    // Roundcube's program/localization/pl_PL/csv2vcard.inc (Outlook's Polish column names).
    {"Outlook", "Polish",
     "given: Imię\n"
     "middle: Drugie imię\n"
     "family: Nazwisko\n"
     "company: Firma\n"
     "phone: Telefon asystenta|Telefon służbowy|Telefon służbowy 2|Telefon domowy|Home Phone 2|"
     "Telefon komórkowy|Telefon główny\n"
     "fax: Faks służbowy|Faks domowy\n"
     "pager: Pager\n"
     "other: Tytuł|Rocznica|Asystent|Urodziny|Miasto (biuro)|Kraj/region (biuro)|Kod pocztowy (biuro)|"
     "Województwo (biuro)|Ulica (biuro)|Kategorie|Oddział|Adres e-mail|Płeć|Miasto (dom)|Kraj/region (dom)|"
     "Kod pocztowy (dom)|Województwo (dom)|Ulica (dom)|Stanowisko|Menadżer|Notatki|"
     "Osobista strona sieci Web|Przydomek"},
    // Roundcube's program/localization/pt_BR/csv2vcard.inc, its Outlook part.
    {"Outlook", "Portuguese (Brazil)",
     "given: Primeiro nome\n"
     "middle: Nome do meio\n"
     "family: Último nome\n"
     "company: Empresa\n"
     "phone: Fone do Assistente|Fone comercial|Fone comercial 2|Fone do carro|Fone de casa|Fone de casa 2|"
     "Celular|Outro Fone|Fone Primario\n"
     "fax: Fax comercial|Fax de casa|Outro Fax\n"
     "pager: Pager\n"
     "other: Título|Sufixo|Aniversário|Nome do Assistente|Cidade comercial|Região/País comercial|"
     "Código postal comercial|Estado comercial|Rua comercial|Categorias|Departamento|Endereço de E-mail|"
     "Endereço de E-mail 2|Endereço de E-mail 3|Gênero|Cidade de casa|Região/País de casa|"
     "Código Postal de casa|Estado de casa|Rua de casa|Cargo|Nome do gerente|Notas|Outra cidade|"
     "Outro País/Região|Outro Código Postal|Outro Estado|Outra Rua|Spouse|Página Web"},
    // Roundcube's program/localization/sk_SK/csv2vcard.inc, its Outlook part (Operátor as its pager).
    {"Outlook", "Slovak",
     "given: Krstné meno\n"
     "middle: Ďalšie meno\n"
     "family: Priezvisko\n"
     "company: Spoločnosť\n"
     "phone: Telefón asistenta|Telefón do práce|Telefón do práce 2|Autotelefón|Telefón domov|"
     "Telefón domov 2|Mobilný telefón|Iný telefón|Primárny telefón\n"
     "fax: Fax do práce|Fax domov|Iný fax\n"
     "pager: Operátor\n"
     "other: Titul|Prípona|Výročie|Meno asistenta|Narodeniny|Mesto (práca)|Krajina/oblasť (práca)|"
     "PSČ (práca)|Okres (práca)|Ulica (práca)|Kategórie|Oddelenie|E-mailová adresa|Pohlavie|Mesto (domov)|"
     "Krajina/oblasť (domov)|PSČ (domov)|Okres (domov)|Ulica (domov)|Funkcia|Meno manažéra|Poznámky|"
     "Iné mesto|Krajina/oblasť (iné)|Iné PSČ|Iná ulica|Manžel(ka)|Webová stránka"},

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
    // thunderbird-l10n sl/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Slovenian",
     "given: Ime\n"
     "family: Priimek\n"
     "display: Prikazano ime\n"
     "company: Organizacija\n"
     "phone: Telefon v službi|Telefon doma|Številka mobilnika\n"
     "fax: Številka faksa\n"
     "pager: Številka pozivnika\n"
     "other: Vzdevek|Glavna e-pošta|Dodatna e-pošta|Domači naslov|Domači naslov 2|Mesto (doma)|"
     "Zv. država (doma)|Poštna številka (doma)|Država (doma)|Naslov v službi|Naslov v službi 2|"
     "Mesto (služba)|Zv. država (služba)|Poštna številka (služba)|Država (služba)|Službeni naziv|Oddelek|"
     "Spletna stran 1|Spletna stran 2|Rojstno leto|Rojstni mesec|Rojstni dan|Po meri 1|Po meri 2|Po meri 3|"
     "Po meri 4|Beležke|Zaslonsko ime"},
    // thunderbird-l10n is/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Icelandic",
     "given: Skírnarnafn\n"
     "family: Eftirnafn\n"
     "display: Birtingarnafn\n"
     "company: Fyrirtæki/Stofnun\n"
     "phone: Vinnusími|Heimasími|Farsími\n"
     "fax: Faxnúmer\n"
     "pager: Símboði\n"
     "other: Gælunafn|Aðal tölvupóstfang|Auka tölvupóstfang|Heimilisfang|Heimilisfang 2|Borg/Sveitarfélag|"
     "Ríki|Póstnúmer|Land|Vinnustaður|Vinnustaður 2|Borg/Sveitarfélag (Vinna)|Ríki (Vinna)|"
     "Póstnúmer (Vinna)|Land (Vinna)|Starfsheiti|Deild|Vefsíða 1|Vefsíða 2|Fæðingarár|Fæðingarmánuður|"
     "Fæðingardagur|Sérsniðið 1|Sérsniðið 2|Sérsniðið 3|Sérsniðið 4|Athugasemdir|Skjáheiti"},
    // thunderbird-l10n zh-CN/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Chinese (Simplified)",
     "given: 名字\n"
     "family: 姓氏\n"
     "display: 显示名称\n"
     "company: 公司\n"
     "phone: 工作电话|家庭电话|移动电话号码\n"
     "fax: 传真号码\n"
     "pager: 寻呼机号码\n"
     "other: 昵称|主要电子邮件|备用电子邮件|家庭地址|家庭地址 2|城市|居住地省/自治区/直辖市|邮政编码|居住国家/地区|工作地址|工作地址 2|工作地省/自治区/直辖市|工作国家/地区|职务|"
     "部门|网页 1|网页 2|出生年份|出生月份|出生日|定制 1|定制 2|定制 3|定制 4|注释|屏幕名"},
    // thunderbird-l10n zh-TW/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Chinese (Traditional)",
     "given: 名\n"
     "family: 姓\n"
     "display: 顯示名稱\n"
     "company: 公司\n"
     "phone: 商務電話|住家電話|手機號碼\n"
     "fax: 傳真號碼\n"
     "pager: 呼叫器號碼\n"
     "other: 暱稱|主要 Email|次要 Email|住家地址|住家地址 2|居住縣市|住家省市|住家郵遞區號|居住國家|商務地址|商務地址 2|商務縣市|商務省市|商務郵遞區號|商務國家|職稱|"
     "部門|網頁 1|網頁 2|出生年|出生月|出生日|自訂 1|自訂 2|自訂 3|自訂 4|註解|網路代號"},
    // thunderbird-l10n ko/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Korean",
     "given: 이름\n"
     "family: 성\n"
     "display: 표시명\n"
     "company: 회사명\n"
     "phone: 직장 전화|자택 전화|휴대폰\n"
     "fax: 팩스\n"
     "pager: 호출기\n"
     "other: 애칭|기본 메일|추가 메일|자택 주소1|자택 주소2|구/군|시/도|우편번호|국가|직장 주소1|직장 주소2|직위|부서|웹 페이지1|웹 페이지2|태어난 해|태어난 달|생일|"
     "사용자 정의1|사용자 정의2|사용자 정의3|사용자 정의4|메모|Screen 아이디"},
    // thunderbird-l10n af/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Afrikaans",
     "given: Voornaam\n"
     "family: Van\n"
     "display: Vertoonnaam\n"
     "company: Organisasie\n"
     "phone: Telefoon werk|Telefoon tuis|Selfoonnommer\n"
     "fax: Faksnommer\n"
     "pager: Roepernommer\n"
     "other: Bynaam|Primêre e-posadres|Sekondêre e-posadres|Huis adres|Huis adres 2|Huis stad/dorp|"
     "Huis deelstaat|Huis poskode|Huis land|Werk adres|Werk adres 2|Werk stad/dorp|Werk deelstaat|"
     "Werk poskode|Werk land|Postitel|Afdeling|Webbladsy 1|Webbladsy 2|Geboortejaar|Geboortemaand|"
     "Geboortedag|Doelmaak 1|Doelmaak 2|Doelmaak 3|Doelmaak 4|Aantekeninge|Skermnaam"},
    // thunderbird-l10n ast/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Asturian",
     "given: Nome\n"
     "family: Apellíos\n"
     "display: Nome amosáu\n"
     "company: Organización\n"
     "phone: Teléfonu (Trabayu)|Teléfonu particular|Teléfonu móvil\n"
     "fax: Fax\n"
     "pager: Buscapersones\n"
     "other: Nomatu|Direición de corréu-e principal|Direición de corréu-e secundaria|Direición personal|"
     "Direición personal 2|Ciudá au vive|Provincia|Códigu postal|País de residencia|Direición de trabayu|"
     "Direición de trabayu 2|Ciudá (Trabayu)|Provincia (Trabayu)|Códigu postal (Trabayu)|País (Trabayu)|"
     "Puestu|Departamentu|Páxina web 1|Páxina web 2|Añu de nacimientu|Mes de nacimientu|Día de nacimientu|"
     "Personalizáu 1|Personalizáu 2|Personalizáu 3|Personalizáu 4|Notes|Nome en pantalla"},
    // thunderbird-l10n es-MX/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Spanish (Mexico)",
     "given: Nombre\n"
     "family: Apellido\n"
     "display: Mostrar nombre\n"
     "company: Organización\n"
     "phone: Teléfono de trabajo|Teléfono de casa|Teléfono celular\n"
     "fax: Número de fax\n"
     "pager: Buscapersonas\n"
     "other: Nombre de usuario|Correo principal|Correo secundario|Dirección de casa|Dirección de casa 2|"
     "Ciudad actual|Estado|Código postal|País donde vives|Dirección del trabajo|Dirección del trabajo 2|"
     "Ciudad donde trabajas|Estado donde trabajas|Código postal de tu trabajo|País donde trabajas|Cargo|"
     "Departamento|Página web 1|Página web 2|Año de nacimiento|Mes de nacimiento|Día de nacimiento|"
     "Personalizado 1|Personalizado 2|Personalizado 3|Personalizado 4|Notas|"
     "Nombre para mostrar en pantalla"},
    // thunderbird-l10n es-AR/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Spanish (Argentina)",
     "given: Primer nombre\n"
     "family: Apellido\n"
     "display: Nombre mostrado\n"
     "company: Compañía\n"
     "phone: Teléfono (Trabajo)|Teléfono particular|Teléfono móvil\n"
     "fax: Fax\n"
     "pager: Buscapersonas\n"
     "other: Apodo|Dirección de correo electrónico principal|Dirección de correo electrónico secundaria|"
     "Dirección personal|Dirección personal 2|Ciudad donde vive|Provincia|Código postal|País de residencia|"
     "Dirección de trabajo|Dirección de trabajo 2|Ciudad (Trabajo)|Provincia (Trabajo)|"
     "Código postal (Trabajo)|País (Trabajo)|Cargo|Departamento|Página web 1|Página web 2|"
     "Año de nacimiento|Mes de nacimiento|Día de nacimiento|Personalizado 1|Personalizado 2|"
     "Personalizado 3|Personalizado 4|Notas|Nombre de usuario AIM"},
    // thunderbird-l10n gl/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Galician",
     "given: Nome\n"
     "family: Apelidos\n"
     "display: Amosar nome\n"
     "company: Organización\n"
     "phone: Telefono do traballo|Teléfono particular|Número de móbil\n"
     "fax: Número de fax\n"
     "pager: Número de busca\n"
     "other: Alcume|Enderezo de correo principal|Enderezo de correo adicional|Enderezo particular|"
     "Ednerezo particular 2|Cidade|Estado|Código Postal|País|Enderezo do traballo|Enderezo do traballo 2|"
     "Cidade do traballo|Estado do traballo|Código Postal do traballo|País do traballo|Cargo|Departamento|"
     "Páxina web 1|Páxina web 2|Ano de nacemento|Mes de nacemento|Día de nacemento|Personalizado 1|"
     "Personalizado 2|Personalizado 3|Personalizado 4|Notas|Nome da pantalla"},
    // thunderbird-l10n hr/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Croatian",
     "given: Ime\n"
     "family: Prezime\n"
     "display: Ime za prikaz\n"
     "company: Organizacija\n"
     "phone: Telefon (posao)|Telefon (kuća)|Mobitel\n"
     "fax: Faks\n"
     "pager: Pager\n"
     "other: Nadimak|Glavna adresa e-pošte|Dodatna adresa e-pošte|Adresa (kuća)|Adresa 2 (kuća)|"
     "Grad (kuća)|Županija (kuća)|Poštanski broj (kuća)|Država (kuća)|Adresa (posao)|Adresa 2 (posao)|"
     "Grad (posao)|Županija (posao)|Poštanski broj (posao)|Država (posao)|Poslovna titula|Odjel|"
     "Web stranica 1|Web stranica 2|Godina rođenja|Mjesec rođenja|Dan rođenja|Korisničko polje 1|"
     "Korisničko polje 2|Korisničko polje 3|Korisničko polje 4|Bilješke|Ime na ekranu"},
    // thunderbird-l10n nn-NO/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Norwegian Nynorsk",
     "given: Førenamn\n"
     "family: Etternamn\n"
     "display: Fullt namn\n"
     "company: Organisasjon\n"
     "phone: Jobbtelefon|Heimetelefon|Mobil\n"
     "fax: Faks\n"
     "pager: Personsøkjar\n"
     "other: Kallenamn|Primær e-post|Sekundær e-post|Heimeadresse|Heimeadresse 2|Poststad (heime)|"
     "Fylke (heime)|Postnummer (heime)|Land (heime)|Adresse arbeid|Adresse arbeid 2|Poststad (arbeid)|"
     "Fylke/Region (arbeid)|Postnummer (arbeid)|Land (arbeid)|Jobbtittel|Avdeling|Nettside 1|Nettside 2|"
     "Fødselsår|Fødselsmånad|Fødselsdag|Eigendefinert 1|Eigendefinert 2|Eigendefinert 3|Eigendefinert 4|"
     "Notat|Skjermnamn"},
    // thunderbird-l10n ia/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Interlingua",
     "given: Prenomine\n"
     "family: Nomine de familia\n"
     "display: Nomine monstrate\n"
     "company: Organisation\n"
     "phone: Telephono officio|Telephono casa|Numero de apparato mobile\n"
     "fax: Numero fax\n"
     "pager: Numero cerca-personas\n"
     "other: Pseudonymo|Adresse email primari|Adresse email secundari|Adresse casa|Adresse casa 2|"
     "Pais natal|Stato initial|Codice postal|Adresse de officio|Adresse de officio 2|Citate de officio|"
     "Provincia (labor)|Codice postal (labor)|Pais (labor)|Profession|Departimento|Pagina web 1|"
     "Pagina web 2|Anno natal|Mense natal|Die natal|Personalisate 1|Personalisate 2|Personalisate 3|"
     "Personalisate 4|Notas|Nomine de schermo"},
    // thunderbird-l10n rm/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Romansh",
     "given: Prenum\n"
     "family: Num da famiglia\n"
     "display: Num mussà\n"
     "company: Organisaziun\n"
     "phone: Telefon lavur|Telefon privat|Numer da telefonin\n"
     "fax: Numer da fax\n"
     "pager: Numer da pager\n"
     "other: Surnum|E-mail principal|E-mail secundar|Adressa privata|Adressa privata 2|Lieu (privat)|"
     "Chantun (privat)|Numer postal (privat)|Pajais (privat)|Adressa da fatschenta|Adressa da fatschenta 2|"
     "Lieu (fatschenta)|Chantun (fatschenta)|Numer postal (fatschenta)|Pajais (fatschenta)|Funcziun/titel|"
     "Partiziun|Pagina web 1|Pagina web 2|Onn da naschientscha|Mais da naschientscha|Di da naschientscha|"
     "Persunalisà 1|Persunalisà 2|Persunalisà 3|Persunalisà 4|Remartgas|Num da messenger"},
};

const int LayoutCount = int(sizeof LayoutTable / sizeof LayoutTable[0]);

} // namespace exchange::layouts
