#include "data/data_texts.h"

#include <QHash>
#include <iterator>

namespace data {

namespace {

// In DataText order, number 1 first; the Swedish words exactly as the program has always said them.
const char* const kSwedish[] = {
    "Kunde inte öppna filen %1: %2.",
    "Kunde inte läsa filen %1: %2.",
    "Kunde inte skriva filen %1: %2.",
    "Kunde inte skriva till filen %1: %2.",
    "Kunde inte skapa filen %1: %2.",
    "Kunde inte skapa mappen %1: %2.",
    "Kunde inte skriva i mappen %1: %2.",
    "Kunde inte kopiera till filen %1: %2.",
    "Kunde inte ta bort filen %1: %2.",
    "mappen %1 finns inte",
    "filen finns inte",
    "åtkomst nekad",
    "disken är full",
    "filen är en symbolisk länk",
    "sökvägen är en mapp",
    "en del av sökvägen är ingen mapp",
    "disken är skrivskyddad",
    "filen är för stor",
    "läs- eller skrivfel på disken",
    "filen är ingen vanlig fil",
    "oväntat systemfel (felnummer %1)",
    "sökvägen är en mapp, ingen vanlig fil",
    "filen är för stor (över %1 MB)",
    "åtkomst nekad till mappen",
    "filen är skrivskyddad",
    "filen kunde inte bytas ut",
    "där finns en fil",
    "filen är upptagen av ett annat program; försök igen om en stund",
    "låsfilen kunde inte skapas",
    "skrivfel (felnummer %1)",
    "åtkomst nekad eller mappen finns inte",
    "Filen %1 är felaktig: den slutar mitt i en post, post %2 saknar sitt andra fält.",
    "ZEL2007 kan inte starta, eftersom mappen för programmets data inte kunde göras i ordning.\n\n%1",
    "Programmets System-filer finns varken i %1 eller i %2.",
    "Hemmappen är okänd.",
    "Orderraden sparades inte i %1: fältet %2 (%3) innehåller ett citattecken eller en radbrytning, som orderfilen "
    "inte kan lagra. Ta bort tecknet och försök igen.",
    "Artikelnr",
    "Benämning",
    "A-pris",
    "Antal",
    "Enhet",
    "Orderraden finns inte längre som den visas i %1; filen har ändrats av något annat. Ingenting ändrades.",
    "Orderfilen %1 är ofullständig: den har %2 rader av %3.",
    "Orderraderna i %1 är skadade på rad %2; de raderna visas inte.",
    "Ordernumret kunde inte reserveras i %1: åtkomst nekad till mappen.",
    "Alla ordernummer för en vecka framåt är upptagna.",
    "Statuslistan har ingen status %1, så orderns status är oförändrad.",
    "Ordern %1 är öppen i ett orderfönster, i det här eller ett annat program. Den kan makuleras när fönstret har "
    "lämnat den.",
    "Leveransen skrevs inte i %1: värdet %2 innehåller ett citattecken eller en radbrytning, som filen inte kan "
    "lagra.",
    "med radnummer \"%1\"",
    "Leveranserna i %1 är skadade på rad %2; de raderna räknas inte.",
    "%1 rad %2 (%3)",
    "Leveransdatumet \"%1\" är inget datum; skriv det som ÅÅÅÅ-MM-DD.",
    "Rad %1 (%2): \"%3\" är inget antal som kan tas emot.",
    "Orderraden kan inte tas bort: ordern har leveranser, som hör till raderna i den ordning de står.",
    "Artikelnumret kan inte ändras: raden har leveranser för artikel %1.",
    "Antalet kan inte bli mindre än det som redan har levererats (%1).",
    "Exporten skrevs inte till %1: mappen %2 hör till programmet och får bara innehålla dess egna filer. Välj en "
    "annan mapp.",
    "%1 får inte innehålla citattecken (\"): listan kan inte spara dem.",
    "%1 får bara vara en rad.",
    "%1 innehåller tecken som listan inte kan spara.",
    "Skriv leverantörens namn.",
    "Skriv leverantörens nummer.",
    "Namnet",
    "Numret",
    "Numret %1 har redan leverantören %2.",
    "Filen %1 är felaktig: den slutar mitt i en post. Ingenting ändrades.",
    "Leverantören finns inte längre som den visas i %1; filen har ändrats av något annat. Ingenting ändrades.",
    "Orderfilen saknas",
    "Orderfilen kan inte läsas: %1",
    "Orderfilen är ofullständig: %1 rader av %2",
    "Orderraderna är delvis skadade",
    "Orderraderna kan inte läsas: %1",
    "Tom rad i orderlistan",
    "Inget ordernummer",
    "Citattecken och radbrytningar kan inte lagras i orderraden och togs bort.",
    "Radbrytningar kan inte lagras i fältet och togs bort.",
};
constexpr int kCount = int(std::size(kSwedish));
static_assert(kCount == int(DataText::DroppedBreaks), "every DataText needs its Swedish words");
static_assert(kCount <= 99, "the data texts own numbers 1-99 of the language file");

QHash<int, QString>& overrides()
{
    static QHash<int, QString> texts;
    return texts;
}

} // namespace

QString dataText(DataText id)
{
    const int number = int(id);
    const auto given = overrides().constFind(number);
    if (given != overrides().constEnd())
        return *given;
    return QString::fromUtf8(kSwedish[number - 1]);
}

int firstDataTextNumber()
{
    return 1;
}

int lastDataTextNumber()
{
    return kCount;
}

void setDataText(int number, const QString& text)
{
    if (number < 1 || number > kCount)
        return;
    if (text.isEmpty())
        overrides().remove(number);
    else
        overrides().insert(number, text);
}

void resetDataTexts()
{
    overrides().clear();
}

} // namespace data
