#include "exchange/LayoutTable.h"

namespace exchange::layouts {

// Thunderbird's other languages, read after ThunderbirdLayouts.cpp's.
const LayoutRow ThunderbirdTable2[] = {
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
    // mozilla-l10n/firefox-l10n ja/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136; Web ページ 1
    // and 2 as ja-JP-mac there and the older mozilla-japan/gecko-l10n ja/ (same path) write them.
    {"Thunderbird", "Japanese",
     "given: 名\n"
     "family: 姓\n"
     "display: 表示名\n"
     "company: 組織\n"
     "phone: 勤務先の電話番号|自宅の電話番号|携帯電話番号\n"
     "fax: FAX 番号\n"
     "pager: ポケットベル番号\n"
     "other: ニックネーム|メールアドレス|別のメールアドレス|番地 (自宅)|番地 (自宅) 2|市区町村 (自宅)|都道府県 (自宅)|"
     "郵便番号 (自宅)|国 (自宅)|番地 (勤務先)|番地 (勤務先) 2|市区町村 (勤務先)|都道府県 (勤務先)|郵便番号 (勤務先)|"
     "国 (勤務先)|役職|部門|ウェブページ 1|Web ページ 1|ウェブページ 2|Web ページ 2|誕生年|誕生月|誕生日|"
     "追加情報 1|追加情報 2|追加情報 3|追加情報 4|メモ|スクリーンネーム"},
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
    // thunderbird-l10n sq/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Albanian",
     "given: Emër\nfamily: Mbiemër\ndisplay: Emër i Shfaqur\ncompany: Ent\n"
     "phone: Telefon Pune|Telefon Shtëpie|Numër Celulari\nfax: Numër Faksi\npager: Numër Faquesi\n"
     "other: Nofkë|Email Parësor|Email Dytësor|Adresë Shtëpie|Adresë Shtëpie 2|Qyteti Im|Shteti Im|"
     "Kod Postar i Shtëpisë|Vendlindje|Adresë Pune|Adresë Pune 2|Qytet Pune|Shtet Pune|Kod Postar Pune|"
     "Vend Pune|Emërtesë Pune|Degë|Faqe Web 1|Faqe Web 2|Vit Lindjeje|Muaj Lindjeje|Ditë Lindjeje|Vetjake 1|"
     "Vetjake 2|Vetjake 3|Vetjake 4|Shënime|Emër në Ekran"},
    // thunderbird-l10n hy-AM/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136; the
    // second names as km/ writes them (its file is Armenian but for the nickname).
    {"Thunderbird", "Armenian",
     "given: Անուն\nfamily: Ազգանուն\ndisplay: Ցուցադրվող անունը|Ցուցադրվող անուն\n"
     "company: Կազմակերպություն|Կազմակերպությունը\nphone: Աշխ. հեռախոս|Տնային հեռախոս|Բջջ. համար\n"
     "fax: Ֆաքսի համարը\npager: Պեյջեր\n"
     "other: Մականուն|ឈ្មោះហៅក្រៅ|Առաջնային փոստ|Երկրորդական փոստ|Տնային հասցե|Տնային հասցե 2|Քաղաք|Նահանգ|"
     "Փոստային կոդ|Երկիրը|Աշխ. հասցե|Աշխ. հասցե 2|Աշխ. քաղաք|Աշխ. նահանգ|Աշխ. փոստային կոդ|Աշխ. երկիր|"
     "Աշխատանքի անունը|Բաժին|Բաժինը|Վեբ էջ 1|Վեբ էջ 2|Ծննդյան տարի|Ծննդյան ամիս|Ծննդյան օր|Լրացուցիչ 1|"
     "Լրացուցիչ 2|Լրացուցիչ 3|Լրացուցիչ 4|Նիշեր|Էկրանի անունը"},
    // thunderbird-l10n eu/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Basque",
     "given: Izena\nfamily: Abizena\ndisplay: Bistaratzeko izena\ncompany: Erakundea\n"
     "phone: Laneko telefonoa|Etxeko telefonoa|Mugikor zenbakia\nfax: Fax zenbakia\npager: Bilagailu zenbakia\n"
     "other: Goitizena|E-posta nagusia|Bigarren e-posta|Etxeko helbidea|Etxeko helbidea 2|Etxeko hiria|"
     "Etxeko estatua|Etxeko posta-kodea|Etxeko herrialdea|Laneko helbidea|Laneko helbidea 2|Laneko hiria|"
     "Laneko estatua|Laneko posta-kodea|Laneko herrialdea|Lanaren titulua|Saila|Web orria 1|Web orria 2|"
     "Jaiotze-urtea|Jaiotze-hilabetea|Jaioteguna|Pertsonalizatua 1|Pertsonalizatua 2|Pertsonalizatua 3|"
     "Pertsonalizatua 4|Oharrak|Pantaila-izena:"},
    // thunderbird-l10n be/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Belarusian",
     "given: Імя\nfamily: Прозвішча\ndisplay: Адлюстроўнае імя\ncompany: Установа\n"
     "phone: Працоўны тэляфон|Хатні тэляфон|Нумар мабільніка\nfax: Нумар факса\npager: Нумар гартача\n"
     "other: Псеўданім|Асноўная э-пошта|Дадатковая э-пошта|Хатні адрас|Хатні адрас 2|Хатні горад|Хатні штат|"
     "Хатні індэкс|Хатняя краіна|Працоўны адрас|Працоўны адрас 2|Працоўны горад|Працоўны штат|Працоўны індэкс|"
     "Працоўная краіна|Пасада|Аддзел|Вэб-старонка 1|Вэб-старонка 2|Год нараджэння|Месяц нараджэння|"
     "Дзень нараджэння|Іншае 1|Іншае 2|Іншае 3|Іншае 4|Заўвагі|Экраннае імя"},
    // thunderbird-l10n bs/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Bosnian",
     "given: Ime\nfamily: Prezime\ndisplay: Ime za prikaz\ncompany: Organizacija\n"
     "phone: Telefon (posao)|Telefon (kuća)|Broj mobilnog\nfax: Faks broj\npager: Broj pejdžera\n"
     "other: Nadimak|Glavna adresa e-pošte|Dodatna adresa e-pošte|Adresa (kuća)|Adresa 2 (kuća)|Grad|Oblast|"
     "Poštanski broj|Država|Adresa (posao)|Adresa 2 (posao)|Grad (posao)|Poslovna titula|Odjel|Web stranica 1|"
     "Web stranica 2|Godina rođenja|Mjesec rođenja|Dan rođenja|Proizvoljno 1|Proizvoljno 2|Proizvoljno 3|"
     "Proizvoljno 4|Bilješke|Ime na ekranu"},
    // thunderbird-l10n br/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Breton",
     "given: Kentañv\nfamily: Anv familh\ndisplay: Anv da skrammañ\ncompany: Aozadur\n"
     "phone: Pellgomz al Labour|Pellgomz er gêr|Niverenn hezougell\nfax: Niverenn ar Pelleiler\n"
     "pager: Niverenn bajenn\n"
     "other: Moranv|Postel kentañ|Eil postel|Chomlec'h er gêr|Chomlec'h er gêr 2|Kêr an tiegezh|Stad d'ar gêr|"
     "Boneg post ar gêr|Bro gêr|Chomlec'h al labour|Chomlec'h al labour 2|Kêr al labour|Stad al labour|"
     "Boneg post al labour|Bro al labour|Titl al labour|Departamant|Pajennad Web 1|Pajenn Web 2|"
     "Bloaziad ar c'hanedigezh|Miz ar c'hanedigezh|Deiziad ar c'hanedigezh|Personel 1|Personel 2|Personel 3|"
     "Personelaet 4|Notennoù|Anv skramm"},
    // thunderbird-l10n fy-NL/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Frisian",
     "given: Foarnamme\nfamily: Efternamme\ndisplay: Werjeftenamme\ncompany: Organisaasje\n"
     "phone: Telefoan wurk|Telefoan thús|Mobyl nûmer\nfax: Faksnûmer\npager: Pipernûmer\n"
     "other: Bynamme|Earste e-mail|Sekundêr e-mailadres|Adres|Adres 2|Wenplak|Provinsje|Postkoade|Lân|"
     "Wurkadres|Wurkadres 2|Wurklokaasje|Wurkprovinsje|Wurkpostkoade|Wurklân|Wurktitel|Ofdieling|Website 1|"
     "Website 2|Bertejier|Bertemoanne|Bertedei|Oars 1|Oars 2|Oars 3|Oars 4|Oantekeningen|Skermnamme"},
    // thunderbird-l10n ka/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Georgian",
     "given: სახელი\nfamily: გვარი\ndisplay: ეკრანული სახელი\ncompany: დაწესებულება\n"
     "phone: სამსახურის ტელეფონი|ბინის ტელეფონი|მობილური ტელეფონი\nfax: ფაქსი\npager: პეიჯერი\n"
     "other: მეტსახელი|მთავარი ელფოსტა|მეორადი ელფოსტა|ბინის მისამართი|ბინის მისამართი 2|ქალაქი|რაიონი|"
     "საფოსტო ინდექსი|ქვეყანა|სამსახურის მისამართი|სამსახურის მისამართი 2|სამსახურის ქალაქი|სამსახურის რაიონი|"
     "სამსახურის საფოსტო ინდექსი|სამსახურის ქვეყანა|თანამდებობა|განყოფილება|ვებ გვერდი 1|ვებ გვერდი 2|"
     "დაბადების წელი|დაბადების თვე|დაბადების დღე|დამატებითი 1|დამატებითი 2|დამატებითი 3|დამატებითი 4|შენიშვნები"},
    // thunderbird-l10n id/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Indonesian",
     "given: Nama Depan\nfamily: Nama Belakang\ndisplay: Nama Tampilan\ncompany: Organisasi\n"
     "phone: Telepon Kantor|Telepon Rumah|Nomor Handphone\nfax: Nomor Fax\npager: Nomor Penyeranta\n"
     "other: Nama Alias|Email Utama|Email Kedua|Alamat Rumah|Alamat Rumah (lanjut)|Kota Rumah|Propinsi Rumah|"
     "Kode Pos Rumah|Negara Rumah|Alamat Kantor|Alamat Kantor (lanjut)|Kota Kantor|Propinsi Kantor|"
     "Kode Pos Kantor|Negara Kantor|Pekerjaan|Departemen|Laman Web 1|Laman Web 2|Tahun Lahir|Bulan Lahir|"
     "Tanggal Lahir|Suka-suka 1|Suka-suka 2|Suka-suka 3|Suka-suka 4|Catatan|Nama Layar"},
    // thunderbird-l10n ga-IE/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Irish",
     "given: Ainm\nfamily: Sloinne\ndisplay: Ainm Taispeána\ncompany: Eagras\n"
     "phone: Fón Oibre|Fón Baile|Uimhir Fhóin Phóca\nfax: Uimhir Fhacs\npager: Uimhir Ghlaoire\n"
     "other: Leasainm|Príomhsheoladh Ríomhphoist|Fosheoladh Ríomhphoist|Seoladh Baile|Seoladh Baile 2|"
     "Cathair chónaithe|Stát cónaithe|Cód poist cónaithe|Tír chónaithe|Seoladh Oibre|Seoladh Oibre 2|"
     "Cathair (Obair)|Stát (Obair)|Cód Poist (Obair)|Tír (Obair)|Teideal|Roinn|Leathanach Gréasáin 1|"
     "Leathanach Gréasáin 2|Bliain Bhreithe|Mí Bhreithe|Lá Breithe|Saincheaptha 1|Saincheaptha 2|"
     "Saincheaptha 3|Saincheaptha 4|Nótaí"},
    // thunderbird-l10n kab/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Kabyle",
     "given: Isem n twacult\nfamily: Isem\ndisplay: Isem ad ittuseknen\ncompany: Takebbanit\n"
     "phone: Tiliɣri n umahil|Tiliɣri n uxxam|Tiliɣṛi n ufus\nfax: Uṭṭun fax\npager: Uṭṭun n umsebter\n"
     "other: Meffer isem|Imayl amezwaru|Imayl wis sin|Tansa n uxxam|Tansa n uxxam 2|Tighremt n uxxam|"
     "Aɣiṛ n uxxam|Tangalt n lpusṭa n uxxam|Tamurt n uxxam|Tansa n umahil|Tansa n umahil 2|Tighremt n umahil|"
     "Aɣiṛ n umahil|Tangalt n lpusṭa n umahil|Tamurt n umahil|Azwel n umahil|Agezdu|Asebter Web1|Asebter Web2|"
     "Aseggass n tlalit|Aggur n tlalit|Azemz n tlalit|Udmawan 1|Udmawan 2|Udmawan 3|Udmawan 4|Tizmilin|"
     "Isem n ugdil"},
    // thunderbird-l10n cak/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Kaqchikel",
     "given: Nab'ey B'i'aj\nfamily: Ruka'n B'i'aj\ndisplay: Tik'ut B'i'aj\ncompany: Moloj\n"
     "phone: Royonib'al Samaj|Royonib'al Jay|Rajilab'al Oyonib'äl\nfax: Rajilab'al Taqowuj\n"
     "pager: Rajilab'al Kanöy Winäq\n"
     "other: Tz'ukun b'i'aj|Nab'ey Taqoya'l|Ruka'n Taqoya'l|Rochochib'al Jay|Rochochib'al Jay 2|Rutinamit Jay|"
     "Ramaq' Jay|Jay ZipCode|Rutinamital Jay|Rutinamit Samaj|Ramaq' Samaj|Samaj ZipCode|Rutinamital Samaj|"
     "Rub'i' Samaj|Tinamital|Ajk'amaya'l Ruxaq 1|Ajk'amaya'l Ruxaq 2|Juna' Alaxinem|Ik' Alaxinem|Q'ij Alaxinem|"
     "Ichinan 1|Ichinan 2|Ichinan 3|Ichinan 4|Ch'utitzijol|Rub'i' Wäch"},
    // thunderbird-l10n kk/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Kazakh",
     "given: Аты\nfamily: Тегi\ndisplay: Атын көрсету\ncompany: Ұйымы\n"
     "phone: Жұмыс телефоны|Үй телефоны|Қалта тел. нөмірі\nfax: Факс нөмірі\npager: Пейджер нөмірі\n"
     "other: Бүркеншік аты|Негiзгi E-mail|Қосымша E-mail|Үй адресі|2-ші үй адресі|Үй адресі: қаласы|"
     "Үй адресі: штаты|Үй адресі: Пошта индексі|Үй адресі: ел|Жұмыс адресі|Жұмыс адресі 2|Жұмыс адресі: қаласы|"
     "Жұмыс адресі: штаты|Жұмыс адресі: Пошта индексі|Жұмыс адресі: ел|Тапсырма атауы|Бөлімі|Веб-парақ 1|"
     "Веб-парақ 2|Туылған жылы|Туылған айы|Туылған күнi|Таңдауыңызша 1|Таңдауыңызша 2|Таңдауыңызша 3|"
     "Таңдауыңызша 4|Жазбалар|Экрандағы атауы"},
    // thunderbird-l10n dsb/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Lower Sorbian",
     "given: Pśedmě\nfamily: Familijowe mě\ndisplay: Zwobraznjone mě\ncompany: Organizacija\n"
     "phone: Słuzbny telefon|Priwatny telefon|Cysło mobilnego telefona\nfax: Faksowe cysło\n"
     "pager: Cysło na pager\n"
     "other: Gódło|Primarna e-mailka|Sekundarna e-mailka|Priwatna adresa|Priwatna adresa 2|Bydlišćo|"
     "Domacny kraj|Postowa licba bydlišća|Domacna zemja|Słužbna adresa|Słužbna adresa 2|Źěłowe město|"
     "Źěłowy zwězkowy kraj|Słužbna postowa licba|Źěłowy kraj|Powołańske źěło|Wótźělenje|Webowy bok 1|"
     "Webowy bok 2|Lěto naroźenja|Mjasec naroźenja|Źeń naroźenja|Swójske 1|Swójske 2|Swójske 3|Swójske 4|"
     "Pśipiski|Mě wobrazowki"},
    // thunderbird-l10n ms/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Malay",
     "given: Nama Pertama\nfamily: Nama Keluarga\ndisplay: Nama Paparan\ncompany: Organisasi\n"
     "phone: Telefon Kerja|Telefon Rumah|Nombor Telefon Bimbit\nfax: Nombor Faks\npager: Nombor Kelui\n"
     "other: Nama gelaran|E-mel Utama|E-mel Sekunder|Alamat Rumah|Alamat Rumah 2|Bandar Kediaman|"
     "Negeri Kediaman|Poskod Rumah|Negara|Alamat Kerja|Alamat Kerja 2|Bandar|Negeri|Poskod Kerja|Jawatan|"
     "Jabatan|Halaman Web 1|Halaman Web 2|Tahun Lahir|Bulan Lahir|Tarikh lahir|Penyesuaian 1|Penyesuaian 2|"
     "Penyesuaian 3|Penyesuaian 4|Nota|Nama Skrin"},
    // thunderbird-l10n gd/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Scottish Gaelic",
     "given: Ainm\nfamily: Sloinneadh\ndisplay: Ainm-taisbeanaidh\ncompany: Buidheann\n"
     "phone: Fòn na h-obrach|Fòn na dachaighe|Àireamh an fhòn-làimhe\nfax: Àireamh an fhacs\n"
     "pager: Àireamh a' phèidseir\n"
     "other: Far-ainm|Prìomh-phost-dealain|Post-dealain eile|Seòladh na dachaighe|Seòladh na dachaighe 2|"
     "Baile na dachaighe|Sgìre na dachaighe|Còd-puist na dachaighe|Dùthaich na dachaighe|Seòladh na h-obrach|"
     "Seòladh na h-obrach 2|Baile na h-obrach|Stàit na h-obrach|Còd-puist na h-obrach|Dùthaich na h-obrach|"
     "Ainm na dreuchd|Roinn|Duilleag-lìn 1|Duilleag-lìn 2|A' bhliadhna breith|Am mìos breith|An latha breith|"
     "Gnàthaichte 1|Gnàthaichte 2|Gnàthaichte 3|Gnàthaichte 4|Nòtaichean|Ainm-sgrìn"},
    // thunderbird-l10n th/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Thai",
     "given: ชื่อจริง\nfamily: นามสกุล\ndisplay: ชื่อที่แสดงผล\ncompany: องค์กร\n"
     "phone: โทรศัพท์ที่ทำงาน|โทรศัพท์บ้าน|หมายเลขมือถือ\nfax: หมายเลขโทรสาร\npager: หมายเลขเพจเจอร์\n"
     "other: ชื่อเล่น|อีเมลหลัก|อีเมลสำรอง|ที่อยู่ที่บ้าน|ที่อยู่ที่บ้าน 2|เมืองที่บ้าน|รัฐที่บ้าน|"
     "รหัสไปรษณีย์ที่บ้าน|ประเทศที่บ้าน|ที่อยู่ที่ทำงาน|ที่อยู่ที่ทำงาน 2|เมืองที่ทำงาน|รัฐที่ทำงาน|"
     "รหัสไปรษณีย์ที่ทำงาน|ประเทศที่ทำงาน|ตำแหน่งงาน|แผนก|หน้าเว็บ 1|หน้าเว็บ 2|ปีเกิด|เดือนเกิด|วันเกิด|"
     "กำหนดเอง 1|กำหนดเอง 2|กำหนดเอง 3|กำหนดเอง 4|หมายเหตุ|ชื่อหน้าจอ"},
    // thunderbird-l10n hsb/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Upper Sorbian",
     "given: Předmjeno\nfamily: Swójbne mjeno\ndisplay: Wužiwarske mjeno\ncompany: Organizacija\n"
     "phone: Słužbny telefon|Priwatny telefon|Čisko mobilneho telefona\nfax: Faksowe čisło\n"
     "pager: Čisło pagera\n"
     "other: Přimjeno|Primarna e-mejl|Sekundarna e-mejl|Priwatna adresa|Priwatna adresa 2|Domjace město|"
     "Domjacy stat|Priwatne póstowe wódźenske čisło|Domjacy kraj|Słužbna adresa|Słužbna adresa 2|"
     "Słužbne městno|Słužbny stat|Słužbne póstowe wodźenske čisło|Dźěłowy kraj|Powołanska dźěławosć|"
     "Wotdźělenje|Webstrona 1|Webstrona 2|Lěto narodźenja|Měsac narodźenja|Dźeń narodźenja|Swójske 1|Swójske 2|"
     "Swójske 3|Swójske 4|Přispomnjenki|Mjeno wobrazowki"},
    // thunderbird-l10n uz/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Uzbek",
     "given: Ismi\nfamily: Familiyasi\ndisplay: Ko‘rinadigan nom\ncompany: Tashkilot\n"
     "phone: Ish telefoni|Uy telefoni|Mobil raqami\nfax: Faks raqami\npager: Peyjer raqami\n"
     "other: Taxallus|Asosiy e-pochta|Ikkinchi e-pochta|Uy manzili|2-uy manzili|Shahar|Viloyat|Indeks raqami|"
     "Mamlakat|Ish manzili|2-ish manzili|Shahar (Ish)|Viloyat (Ish)|Indeks raqami (ish)|Mamlakat (ish)|"
     "Bajaradigan vazifasi|Departament|Veb sahifa 1|Veb sahifa 2|Tugʻilgan yili|Tugʻilgan oyi|Tugʻilgan kuni|"
     "Boshqa 1|Boshqa 2|Boshqa 3|Boshqa 4|Qaydlar|Ekran nomi"},
    // thunderbird-l10n vi/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Vietnamese",
     "given: Tên\nfamily: Họ\ndisplay: Tên hiển thị\ncompany: Tổ chức\n"
     "phone: Điện thoại công ty|Điện thoại nhà|Số Di Động\nfax: Số Fax\npager: Số của Máy nhắn tin\n"
     "other: Tên hiệu|Email Chính|Email phụ|Địa chỉ Nhà|Địa chỉ Nhà 2|Thành phố Quê nhà|Tiểu bang Quê nhà|"
     "Mã Zip Quê nhà|Quốc gia của nơi Quê nhà|Địa chỉ Công ty|Địa chỉ Công ty 2|Thành phố nơi Làm việc|"
     "Tiểu bang nơi Làm việc|Mã Zip nơi Làm việc|Quốc gia nơi Làm việc|Chức vụ Nghề nghiệp|Bộ phận|Trang Web 1|"
     "Trang Web 2|Năm Sinh|Tháng Sinh|Ngày Sinh|Tùy chỉnh 1|Tùy chỉnh 2|Tùy chỉnh 3|Tùy chỉnh 4|Lưu ý|"
     "Tên Screen"},
    // thunderbird-l10n cy/mail/chrome/messenger/importMsgs.properties, fields 2100 to 2136.
    {"Thunderbird", "Welsh",
     "given: Enw Cyntaf\nfamily: Enw Olaf\ndisplay: Enw Dangos\ncompany: Corff\n"
     "phone: Rhif Ffôn Gwaith|Rhif Ffôn Cartref|Rhif Ffôn Symudol\nfax: Rhif Ffacs\npager: Rhif Swnyn\n"
     "other: Llysenw|Prif E-bost|E-bost Eilradd|Cyfeiriad Cartref|Cyfeiriad Cartref 2|Tref/Dinas Cartref|"
     "Sir/Talaith Cartref|Cod Post Cartref|Gwlad Cartref|Cyfeiriad Gwaith|Cyfeiriad Gwaith 2|Tref/Dinas Gwaith|"
     "Sir/Talaith Gwaith|Cod Post Gwaith|Gwlad Gwaith|Teitl Swydd|Adran|Tudalen Gwe 1|Tudalen Gwe 2|"
     "Blwyddyn Geni|Mis Geni|Diwrnod Geni|Cyfaddasu 1|Cyfaddasu 2|Cyfaddasu 3|Cyfaddasu 4|Nodiadau|Enw Sgrin"},
};

const int ThunderbirdCount2 = int(sizeof ThunderbirdTable2 / sizeof ThunderbirdTable2[0]);

} // namespace exchange::layouts
