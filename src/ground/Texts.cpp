#include "ground/Texts.h"

#include <string_view>
#include <vector>

namespace zf {

namespace {

// Indexed by Text.
const char* const kTexts[] = {
    "Lesen Sie zuerst die Daten der Ziehungen ein",
    "Keine Verbindung zu {1} möglich.",
    "Keine Verbindung zu {1}: {2}",
    "'{1}' ist kein gültiger Integerwert",
    "E/A-Fehler: {1} \"{2}\" fehlgeschlagen.",
    "Lesen von",
    "Öffnen von",
    "Lesen der Größe von",
    "Anlegen von",
    "Schließen von",
    "Schreiben in",
    "Ersetzen von",
    "Die Datei {1} kann nicht geschrieben werden.",
    "Die Datei {1} kann nicht gelesen werden.",
    "Die Ziehung vom {1} enthält die Zahl {2}; erlaubt sind nur Zahlen von 1 bis 40.",
    "Die Ziehung vom {1} hat die Traumzahl {2}; erlaubt sind nur Traumzahlen von 1 bis 5.",
    "Der gesperrte {1}. {2} enthält keine sechs Zahlen. Bitte vervollständigen Sie ihn oder heben Sie die Sperre "
    "auf; die Berechnung wurde nicht gestartet.",
    "Die gesperrten Reihen {1} enthalten keine sechs Zahlen. Bitte vervollständigen Sie sie oder heben Sie die "
    "Sperre auf; die Berechnung wurde nicht gestartet.",
    "{1} und {2}",
    "Die Zahlenliste enthält {1} verschiedene Zahlen; für einen Tipp werden sechs gebraucht. Bitte wählen Sie "
    "weniger Einschränkungen; die Berechnung wurde beendet.",
    "Die Gewichtung \"{1}\" der Zahl {2} ist keine ganze Zahl; die Berechnung wurde beendet.",
    "{1}: \"{2}\" ist keine Zahl; bitte den Tipp vervollständigen.",
    "{1}: \"{2}\" ist keine Traumzahl.",
    "{1}. Tipp",
    "Welche Zahlen für die Berechnung",
    "&Zufall",
    "Zufall",
    "{1} Stopp",
    "Die Zahl {1} geht mit der Gewichtung {2} in die Berechnung ein",
    "Werteliste",
    "Min: {1}{2}Max: {3}  {4}",
    "E/A-Fehler: Es wurde keine Datei angegeben.",
    "Die Datei \"{1}\" ist zu groß (mehr als {2} Bytes).",
    "\"{1}\" ist keine Tippdatei: mit {2} Bytes ist sie zu groß. Die Tipps bleiben unverändert.",
    "\"{1}\" ist keine Tippdatei: sie enthält Binärdaten. Die Tipps bleiben unverändert.",
    "{1}. Tipp, {2}. Zahl: \"{3}\" ist keine Zahl; \"Tipp.txt\" wurde nicht geschrieben.",
    "\"{1}\" wurde geschrieben, kann aber mit keinem Programm geöffnet werden.",
    "{1}. Tipp, {2}. Zahl: \"{3}\" ist keine Zahl von 1 bis 40; es wurde nichts gedruckt.",
    "{1}. Tipp, Traumzahl: \"{2}\" ist keine Traumzahl von 1 bis 5; es wurde nichts gedruckt.",
    "Jede Losnummer wurde schon einmal gezogen.",
    "LosNr. wurde am {1} als Joker gezogen",
    "LosNr. wurde am {1} aus Joker gezogen",
    "Losnummer noch nie als Joker Gewinnzahl gezogen",
    "Die Zahl {1} liegt nicht zwischen 1 und 40.",
    "Die Zahl {1} kommt zweimal vor.",
    "Die Traumzahl {1} liegt nicht zwischen 1 und 5.",
    "Die Ziehung vom {1} wird nicht gespeichert: {2}",
    "Loading",
    "Received {1} bytes",
    "Keine Gewähr für die Richtigkeit der Zahlen!",
    "{1} noch nicht da!",
    "Failed : {1} {2}",
    "Ziehung vom {1} ({2} von {3})",
    "Die Adresse des Update-Servers \"{1}\" ist ungültig; erwartet wird http://Rechner:Port (Internet-Optionen).",
    "Der Proxy-Port \"{1}\" ist keine gültige Portnummer (Internet-Optionen); die Aktualisierung wurde beendet.",
    "Keine Verbindung zum Update-Server",
    "Keine Antwort vom Update-Server {1} für die Ziehung vom {2} ({3}). Die Aktualisierung wurde beendet; die bisher "
    "geholten Ziehungen sind gespeichert.",
    "Die Zeile \"{1}\" für die Ziehung vom {2} wird nicht gespeichert: {3} Die Aktualisierung wurde beendet.",
    "{1} Die Aktualisierung wurde beendet.",
    "Die Ziehung vom {1} ({2}, Traumzahl {3}) wird aus der Datenbank gelöscht. Fortfahren?",
    "Ziehung löschen",
    "Es wird keine Ziehung angezeigt, die gelöscht werden könnte.",
    "Keine Ziehung vom {1} gespeichert.",
    "Spalte {1} fehlt",
    "kein gültiges Datum: \"{1}\"",
    "keine Zahl: \"{1}\"",
    "keine Traumzahl: \"{1}\"",
    "Datum {1} schon in Zeile {2} mit anderen Zahlen",
    "Neu: {1}",
    "Unverändert: {1}",
    "Ersetzt: {1}",
    "Abweichend, behalten: {1} gespeichert {2}, in der Datei {3}",
    "Abgelehnt, Zeile {1}: {2}",
    "{1}: fehlt",
    "{1}: mehrfach gespeichert",
    "{1}: steht nicht in Datumsfolge",
    "{1}: kein Montag oder Donnerstag",
    "Die Ziehungsdatei {1} gibt es nicht.",
    "Der Server kann nicht an {1} gebunden werden.",
    "Bitte überprüfen Sie jetzt den Tipp und dann können Sie ihn abgeben!",
    "Darnholms Pilotara installieren?",
    "Pilotara jetzt installieren?",
    "Die Adresse {1} kann mit keinem Programm geöffnet werden.",
    "Der Pfad von Pilotara ist länger als {1} Zeichen; es wurde nichts übergeben: {2}",
    "Die Parameter für Pilotara sind zusammen länger als {1} Zeichen; es wurde nichts übergeben. Bitte kürzen Sie "
    "ZAHL1, TEXT1, ZAHL2 oder TEXT2.",
    "Das Programm {1} konnte nicht gestartet werden.",
    "Lauf {1} von {2}: {3}",
    "Programm",
    "Zufall",
    "Erwartet",
    "\"{1}\" ist keine gewöhnliche Datei und wird nicht gelesen.",
    "Die Datei \"{1}\" ist schreibgeschützt und wurde nicht geändert.",
    "Sichern auf den Datenträger von",
    "Aus \"{1}\" wurden {2} Ziehungen übernommen; nicht übernommen: {3}",
    "{1} ({2})",
    "Zahl {1}",
    "Zahl {1} doppelt",
    "Traumzahl {1}",
    "Datum {1}",
    "{1}: beschädigt ({2})",
    "   beschädigt: {1}",
};
static_assert(std::size(kTexts) == static_cast<size_t>(Text::DamagedMark) + 1);

} // namespace

std::string text(Text id, std::initializer_list<std::string> args)
{
    const std::vector<std::string> a(args);
    std::string_view rest = kTexts[static_cast<int>(id)];
    std::string out;
    // "{1}".."{9}" take the arguments
    for (size_t at = rest.find('{'); at != std::string_view::npos; at = rest.find('{')) {
        out.append(rest.substr(0, at));
        const bool argument = at + 2 < rest.size() && rest[at + 1] >= '1' && rest[at + 1] <= '9' && rest[at + 2] == '}';
        if (!argument) {
            out.push_back('{');
            rest.remove_prefix(at + 1);
            continue;
        }
        if (const auto i = static_cast<size_t>(rest[at + 1] - '1'); i < a.size())
            out.append(a[i]);
        rest.remove_prefix(at + 3);
    }
    out.append(rest);
    return out;
}

} // namespace zf
