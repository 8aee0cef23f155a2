#pragma once

// The program's fixed texts outside the message catalogue, in German: what
// the core shows or reports. "{1}", "{2}", ... stand for arguments. The
// name is the key of a language's translation (land/texte.txt.xx), so it
// stays when a text moves; a new text is added anywhere in the list.
// clang-format off
#define ZF_TEXTS(X) \
    X(ReadDrawsFirst, "Lesen Sie zuerst die Daten der Ziehungen ein") \
    X(NoConnection, "Keine Verbindung zu {1} möglich.") \
    X(ConnectionFailed, "Keine Verbindung zu {1}: {2}") \
    X(NotAnInteger, "'{1}' ist kein gültiger Integerwert") \
    X(IoFailure, "E/A-Fehler: {1} \"{2}\" fehlgeschlagen.") \
    X(IoRead, "Lesen von") \
    X(IoOpen, "Öffnen von") \
    X(IoSize, "Lesen der Größe von") \
    X(IoCreate, "Anlegen von") \
    X(IoClose, "Schließen von") \
    X(IoWriteInto, "Schreiben in") \
    X(IoReplace, "Ersetzen von") \
    X(CannotWriteFile, "Die Datei {1} kann nicht geschrieben werden.") \
    X(CannotReadFile, "Die Datei {1} kann nicht gelesen werden.") \
    X(DrawNumberOutOfRange, "Die Ziehung vom {1} enthält die Zahl {2}; erlaubt sind nur Zahlen von 1 bis 40.") \
    X(DreamNumberOutOfRange, "Die Ziehung vom {1} hat die Traumzahl {2}; erlaubt sind nur Traumzahlen von 1 bis 5.") \
    X(LockedRowIncomplete, "Der gesperrte {1}. {2} enthält keine sechs Zahlen. Bitte vervollständigen Sie ihn oder heben Sie die Sperre " "auf; die Berechnung wurde nicht gestartet.") \
    X(LockedRowsIncomplete, "Die gesperrten Reihen {1} enthalten keine sechs Zahlen. Bitte vervollständigen Sie sie oder heben Sie die " "Sperre auf; die Berechnung wurde nicht gestartet.") \
    X(ListEnd, "{1} und {2}") \
    X(NumberListTooSmall, "Die Zahlenliste enthält {1} verschiedene Zahlen; für einen Tipp werden sechs gebraucht. Bitte wählen Sie " "weniger Einschränkungen; die Berechnung wurde beendet.") \
    X(WeightNotAnInteger, "Die Gewichtung \"{1}\" der Zahl {2} ist keine ganze Zahl; die Berechnung wurde beendet.") \
    X(CellNotANumber, "{1}: \"{2}\" ist keine Zahl; bitte den Tipp vervollständigen.") \
    X(NotADreamNumber, "{1}: \"{2}\" ist keine Traumzahl.") \
    X(TipRowName, "{1}. Tipp") \
    X(ChooseNumbers, "Welche Zahlen für die Berechnung") \
    X(RandomDraw, "&Zufall") \
    X(RandomDrawAgain, "Zufall") \
    X(RandomDrawStop, "{1} Stopp") \
    X(NumberWeight, "Die Zahl {1} geht mit der Gewichtung {2} in die Berechnung ein") \
    X(ValueList, "Werteliste") \
    X(BandLine, "Min: {1}{2}Max: {3}  {4}") \
    X(NoFileNamed, "E/A-Fehler: Es wurde keine Datei angegeben.") \
    X(FileTooLarge, "Die Datei \"{1}\" ist zu groß (mehr als {2} Bytes).") \
    X(TipFileTooLarge, "\"{1}\" ist keine Tippdatei: mit {2} Bytes ist sie zu groß. Die Tipps bleiben unverändert.") \
    X(TipFileBinary, "\"{1}\" ist keine Tippdatei: sie enthält Binärdaten. Die Tipps bleiben unverändert.") \
    X(ListingCellNotANumber, "{1}. Tipp, {2}. Zahl: \"{3}\" ist keine Zahl; \"Tipp.txt\" wurde nicht geschrieben.") \
    X(ListingNotOpened, "\"{1}\" wurde geschrieben, kann aber mit keinem Programm geöffnet werden.") \
    X(SlipNumberNotValid, "{1}. Tipp, {2}. Zahl: \"{3}\" ist keine Zahl von 1 bis 40; es wurde nichts gedruckt.") \
    X(SlipDreamNotValid, "{1}. Tipp, Traumzahl: \"{2}\" ist keine Traumzahl von 1 bis 5; es wurde nichts gedruckt.") \
    X(EveryTicketDrawn, "Jede Losnummer wurde schon einmal gezogen.") \
    X(TicketDrawnAls, "LosNr. wurde am {1} als Joker gezogen") \
    X(TicketDrawnAus, "LosNr. wurde am {1} aus Joker gezogen") \
    X(TicketNeverDrawn, "Losnummer noch nie als Joker Gewinnzahl gezogen") \
    X(NumberNotInRange, "Die Zahl {1} liegt nicht zwischen 1 und 40.") \
    X(NumberTwice, "Die Zahl {1} kommt zweimal vor.") \
    X(DreamNotInRange, "Die Traumzahl {1} liegt nicht zwischen 1 und 5.") \
    X(DrawNotStored, "Die Ziehung vom {1} wird nicht gespeichert: {2}") \
    X(UpdateLoading, "Loading") \
    X(UpdateReceived, "Received {1} bytes") \
    X(UpdateNoWarranty, "Keine Gewähr für die Richtigkeit der Zahlen!") \
    X(UpdateNotYet, "{1} noch nicht da!") \
    X(UpdateFailedStatus, "Failed : {1} {2}") \
    X(UpdateProgress, "Ziehung vom {1} ({2} von {3})") \
    X(UpdateBadAddress, "Die Adresse des Update-Servers \"{1}\" ist ungültig; erwartet wird http://Rechner:Port (Internet-Optionen).") \
    X(UpdateBadProxyPort, "Der Proxy-Port \"{1}\" ist keine gültige Portnummer (Internet-Optionen); die Aktualisierung wurde beendet.") \
    X(UpdateNoConnection, "Keine Verbindung zum Update-Server") \
    X(UpdateNoAnswer, "Keine Antwort vom Update-Server {1} für die Ziehung vom {2} ({3}). Die Aktualisierung wurde beendet; die bisher " "geholten Ziehungen sind gespeichert.") \
    X(UpdateLineNotStored, "Die Zeile \"{1}\" für die Ziehung vom {2} wird nicht gespeichert: {3} Die Aktualisierung wurde beendet.") \
    X(UpdateEnded, "{1} Die Aktualisierung wurde beendet.") \
    X(DeleteQuestion, "Die Ziehung vom {1} ({2}, Traumzahl {3}) wird aus der Datenbank gelöscht. Fortfahren?") \
    X(DeleteCaption, "Ziehung löschen") \
    X(NothingToDelete, "Es wird keine Ziehung angezeigt, die gelöscht werden könnte.") \
    X(NoDrawOnDay, "Keine Ziehung vom {1} gespeichert.") \
    X(CsvColumnMissing, "Spalte {1} fehlt") \
    X(CsvNoDate, "kein gültiges Datum: \"{1}\"") \
    X(CsvNoNumber, "keine Zahl: \"{1}\"") \
    X(CsvNoDream, "keine Traumzahl: \"{1}\"") \
    X(CsvDateTwice, "Datum {1} schon in Zeile {2} mit anderen Zahlen") \
    X(ImportAdded, "Neu: {1}") \
    X(ImportUnchanged, "Unverändert: {1}") \
    X(ImportReplaced, "Ersetzt: {1}") \
    X(ImportConflict, "Abweichend, behalten: {1} gespeichert {2}, in der Datei {3}") \
    X(ImportRejected, "Abgelehnt, Zeile {1}: {2}") \
    X(FindingMissing, "{1}: fehlt") \
    X(FindingTwice, "{1}: mehrfach gespeichert") \
    X(FindingOrder, "{1}: steht nicht in Datumsfolge") \
    X(FindingWeekday, "{1}: kein Montag oder Donnerstag") \
    X(DrawFileMissing, "Die Ziehungsdatei {1} gibt es nicht.") \
    X(CannotBind, "Der Server kann nicht an {1} gebunden werden.") \
    X(ScriptReady, "Bitte überprüfen Sie jetzt den Tipp und dann können Sie ihn abgeben!") \
    X(InstallPilotara, "Darnholms Pilotara installieren?") \
    X(InstallPilotaraCaption, "Pilotara jetzt installieren?") \
    X(AddressNotOpened, "Die Adresse {1} kann mit keinem Programm geöffnet werden.") \
    X(ProgramPathTooLong, "Der Pfad von Pilotara ist länger als {1} Zeichen; es wurde nichts übergeben: {2}") \
    X(CommandLineTooLong, "Die Parameter für Pilotara sind zusammen länger als {1} Zeichen; es wurde nichts übergeben. Bitte kürzen Sie " "ZAHL1, TEXT1, ZAHL2 oder TEXT2.") \
    X(ProgramNotStarted, "Das Programm {1} konnte nicht gestartet werden.") \
    X(AnalysisPass, "Lauf {1} von {2}: {3}") \
    X(ControlProgram, "Programm") \
    X(ControlRandom, "Zufall") \
    X(ControlExpected, "Erwartet") \
    X(NotARegularFile, "\"{1}\" ist keine gewöhnliche Datei und wird nicht gelesen.") \
    X(FileReadOnly, "Die Datei \"{1}\" ist schreibgeschützt und wurde nicht geändert.") \
    X(IoSync, "Sichern auf den Datenträger von") \
    X(MigrationSkipped, "Aus \"{1}\" wurden {2} Ziehungen übernommen; nicht übernommen: {3}") \
    X(MigrationSkippedRecord, "{1} ({2})") \
    X(DamageNumber, "Zahl {1}") \
    X(DamageTwice, "Zahl {1} doppelt") \
    X(DamageDream, "Traumzahl {1}") \
    X(DamageDate, "Datum {1}") \
    X(FindingDamaged, "{1}: beschädigt ({2})") \
    X(DamagedMark, "   beschädigt: {1}") \
    X(Cancel, "Abbrechen") \
    X(EntryTitle, "Zahlen der Ziehung eingeben") \
    X(JokerDigitMissing, "Jede Joker-Ziffer braucht einen Wert von 0 bis 9.") \
    X(CsvImportTitle, "Ziehungen aus CSV-Datei einlesen") \
    X(CsvFileSummary, "{1}  –  {2} Zeilen, Trennzeichen: {3}") \
    X(DelimiterTab, "Tabulator") \
    X(DelimiterComma, "Komma") \
    X(DelimiterSemicolon, "Semikolon") \
    X(CsvColumnChoice, "Spalte {1}") \
    X(CsvRoleDate, "Datum") \
    X(CsvRoleNumber, "Zahl {1}") \
    X(CsvRoleDream, "Traumzahl") \
    X(CsvReplace, "Gespeicherte Ziehungen mit anderen Zahlen durch die der Datei ersetzen") \
    X(CsvImportButton, "Einlesen") \
    X(CsvVerdict, "{1} Ziehungen lesbar, {2} Zeilen fehlerhaft") \
    X(CsvHeaderLine, ", erste Zeile ist eine Kopfzeile") \
    X(CsvFirstRejected, " (zuerst Zeile {1}: {2})") \
    X(ImportMoreRejected, "... und {1} weitere abgelehnte Zeilen") \
    X(CsvFileFilter, "CSV-Datei") \
    X(TextFileFilter, "Textdatei") \
    X(CalendarNoGaps, "Keine Lücken: jede Ziehung von der ersten bis zur letzten ist da.") \
    X(CalendarFindings, "{1} Befunde, davon {2} fehlende Ziehungstage:") \
    X(AnalysisStop, "Analyse anhalten")
// clang-format on
