#include "exchange/LayoutTable.h"

namespace exchange::layouts {

// Each layout: the program, the language of its column names, then one line
// per role: "role: Column|Column|...". Names as the program writes them (UTF-8);
// '#' stands for a number (Google numbers its repeated columns). Where
// exports of one language have been seen to differ, both names are listed.
// Roles: number name sound sbit1-4 (ours), given middle family display
// company (a row's name), phone, kind (the label of Google's phone column),
// fax, pager (left out), other (read by nobody). tests/exchange/test_contacts.cpp
// names the public sources of these names.
const LayoutRow LayoutTable[] = {
    {"vire-image", "", "number: number\nname: name\nsound: sound\nsbit1: sbit1\nsbit2: sbit2\nsbit3: sbit3\nsbit4: sbit4"},

    {"Google Contacts", "",
     "given: First Name\nmiddle: Middle Name\nfamily: Last Name\ncompany: Organization Name\n"
     "phone: Phone # - Value\nkind: Phone # - Label\n"
     "other: Phonetic First Name|Phonetic Middle Name|Phonetic Last Name|Name Prefix|Name Suffix|Nickname|File As|"
     "Organization Title|Organization Department|Birthday|Notes|Photo|Labels|E-mail # - Label|E-mail # - Value|"
     "Address # - Label|Address # - Formatted|Address # - Street|Address # - City|Address # - PO Box|Address # - Region|"
     "Address # - Postal Code|Address # - Country|Address # - Extended Address|Website # - Label|Website # - Value|"
     "Relation # - Label|Relation # - Value|Event # - Label|Event # - Value|Custom Field # - Label|"
     "Custom Field # - Value|IM # - Label|IM # - Service|IM # - Value"},
    {"Google Contacts", "legacy",
     "display: Name\ngiven: Given Name\nmiddle: Additional Name\nfamily: Family Name\ncompany: Organization # - Name\n"
     "phone: Phone # - Value\nkind: Phone # - Type\n"
     "other: Yomi Name|Given Name Yomi|Additional Name Yomi|Family Name Yomi|Name Prefix|Name Suffix|Initials|Nickname|"
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
     "other: Title|Suffix|Given Name Yomi|Family Name Yomi|Department|Job Title|Business Street|Business Street 2|"
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

    {"Outlook", "Norwegian",
     "given: Fornavn\nmiddle: Mellomnavn\nfamily: Etternavn\ncompany: Firma\n"
     "phone: Telefon (arbeid)|Telefon 2 (arbeid)|Arbeidstelefon|Arbeidstelefon 2|Telefon (privat)|Telefon 2 (privat)|"
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
};

const int LayoutCount = int(sizeof LayoutTable / sizeof LayoutTable[0]);

} // namespace exchange::layouts
