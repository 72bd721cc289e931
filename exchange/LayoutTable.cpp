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
};

const int LayoutCount = int(sizeof LayoutTable / sizeof LayoutTable[0]);

} // namespace exchange::layouts
