<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AccelTabPage</name>
    <message>
        <source>  Przyspieszenie  </source>
        <translation>  Acceleration  </translation>
    </message>
    <message>
        <source>  Parametry  </source>
        <translation>  Parameters  </translation>
    </message>
    <message>
        <source>0 - 100 km/h</source>
        <translation>0 - 100 km/h</translation>
    </message>
    <message>
        <source>60 - 100 km/h</source>
        <translation>60 - 100 km/h</translation>
    </message>
    <message>
        <source>80 - 120 km/h</source>
        <translation>80 - 120 km/h</translation>
    </message>
    <message>
        <source>Inne</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Rozpocznij pomiar</source>
        <translation>Start measurement</translation>
    </message>
</context>
<context>
    <name>DirectoryDialog</name>
    <message>
        <source>Katalog %1 nie istnieje. Czy utworzyć go?</source>
        <translation>The folder %1 does not exist. Create it?</translation>
    </message>
    <message>
        <source>Nie można utworzyć katalogu %1.</source>
        <translation>Cannot create the folder %1.</translation>
    </message>
</context>
<context>
    <name>DtcDescriptionTable</name>
    <message>
        <source>Brak opisu kodu w bazie</source>
        <translation>No description of the code in the database</translation>
    </message>
</context>
<context>
    <name>DtcTabPage</name>
    <message>
        <source>  Kody  błędów  </source>
        <translation>  Trouble  codes  </translation>
    </message>
    <message>
        <source>Oczekujące:</source>
        <translation>Pending:</translation>
    </message>
    <message>
        <source>Zarejestrowane:</source>
        <translation>Stored:</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Ilość oczekujących kodów błędów.</source>
        <translation>Number of pending trouble codes.</translation>
    </message>
    <message>
        <source>Ilość zarejestrowanych kodów błędów.</source>
        <translation>Number of stored trouble codes.</translation>
    </message>
    <message>
        <source>  Lampka &quot;Check Engine&quot;  </source>
        <translation>  &quot;Check Engine&quot; lamp  </translation>
    </message>
    <message>
        <source>Stan kontrolki &quot;Check Engine&quot;</source>
        <translation>State of the &quot;Check Engine&quot; lamp</translation>
    </message>
    <message>
        <source>Kasuj kody błędów</source>
        <translation>Clear trouble codes</translation>
    </message>
    <message>
        <source>Wciśnij ten przysick aby skasować wszystkie kody błędów oraz zamrożone ramki.</source>
        <translation>Press this button to clear all trouble codes and freeze frames.</translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Wciśnij ten przycisk aby odczytać kody błędów.</source>
        <translation>Press this button to read the trouble codes.</translation>
    </message>
    <message>
        <source>  Błędy oczekujące  </source>
        <translation>  Pending codes  </translation>
    </message>
    <message>
        <source>  Błędy zapamiętane  </source>
        <translation>  Stored codes  </translation>
    </message>
</context>
<context>
    <name>DynoTabPage</name>
    <message>
        <source>  Hamownia  </source>
        <translation>  Dyno  </translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>kW / Nm</source>
        <translation>kW / Nm</translation>
    </message>
    <message>
        <source>  Wyniki  </source>
        <translation>  Results  </translation>
    </message>
    <message>
        <source>Moment:</source>
        <translation>Torque:</translation>
    </message>
    <message>
        <source>Nm przy</source>
        <translation>Nm at</translation>
    </message>
    <message>
        <source>obr/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Moc: </source>
        <translation>Power: </translation>
    </message>
    <message>
        <source>kW przy</source>
        <translation>kW at</translation>
    </message>
    <message>
        <source>  Parametry  </source>
        <translation>  Parameters  </translation>
    </message>
    <message>
        <source>  Parametry podstawowe  </source>
        <translation>  Basic parameters  </translation>
    </message>
    <message>
        <source>Masa pojazdu:</source>
        <translation>Vehicle mass:</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Całkowita masa pojazdu podczas pomiaru łącznie z kierowcą</source>
        <translation>Total mass of the vehicle during the measurement, driver included</translation>
    </message>
    <message>
        <source>Przełożenie całkowite:</source>
        <translation>Overall gear ratio:</translation>
    </message>
    <message>
        <source>i&lt;sub&gt;ε&lt;/sub&gt;</source>
        <translation>i&lt;sub&gt;ε&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Całkowite przełożenie przekładni głównej oraz biegu na którym będzie przeoprowadzany pomiar</source>
        <translation>Overall ratio of the final drive and of the gear in which the measurement is made</translation>
    </message>
    <message>
        <source>Współczynnik oporu:</source>
        <translation>Drag coefficient:</translation>
    </message>
    <message>
        <source>C&lt;sub&gt;x&lt;/sub&gt;</source>
        <translation>C&lt;sub&gt;x&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Współczynnik doskonałości aerodynamicznej</source>
        <translation>Aerodynamic drag coefficient</translation>
    </message>
    <message>
        <source>Promień statyczny koła</source>
        <translation>Static wheel radius</translation>
    </message>
    <message>
        <source>r&lt;sub&gt;stat&lt;/sub&gt;</source>
        <translation>r&lt;sub&gt;stat&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Promień statyczny koła - odległość środka koła od poziomu jezdni</source>
        <translation>Static wheel radius - distance from the wheel centre to the road surface</translation>
    </message>
    <message>
        <source>Powierzchnia czołowa:</source>
        <translation>Frontal area:</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>m&lt;sup&gt;2&lt;/sup&gt;</source>
        <translation>m&lt;sup&gt;2&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Powierzchnia czołowa pojazdu</source>
        <translation>Frontal area of the vehicle</translation>
    </message>
    <message>
        <source>Szerokość</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Szerokość pojazdu</source>
        <translation>Vehicle width</translation>
    </message>
    <message>
        <source>Wysokość</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Wysokość pojazdu</source>
        <translation>Vehicle height</translation>
    </message>
    <message>
        <source>Prześwit</source>
        <translation>Ground clearance</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Prześwit pojazdu</source>
        <translation>Vehicle ground clearance</translation>
    </message>
    <message>
        <source>  Parametry zaawansowane  </source>
        <translation>  Advanced parameters  </translation>
    </message>
    <message>
        <source>Wsp. oporów toczenia:</source>
        <translation>Rolling resistance coeff.:</translation>
    </message>
    <message>
        <source>f</source>
        <translation>f</translation>
    </message>
    <message>
        <source>Współczynnik oporów toczenia</source>
        <translation>Rolling resistance coefficient</translation>
    </message>
    <message>
        <source>Sprawność mechaniczna:</source>
        <translation>Mechanical efficiency:</translation>
    </message>
    <message>
        <source>η&lt;sub&gt;m&lt;/sub&gt;</source>
        <translation>η&lt;sub&gt;m&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Sprawność mechaniczna</source>
        <translation>Mechanical efficiency</translation>
    </message>
    <message>
        <source>Wsp. momentu bezwł. mas obr.</source>
        <translation>Rotating mass inertia coeff.</translation>
    </message>
    <message>
        <source>δ</source>
        <translation>δ</translation>
    </message>
    <message>
        <source>Współczynnik momentu bezwładności mas obrotowych</source>
        <translation>Coefficient of the moment of inertia of the rotating masses</translation>
    </message>
    <message>
        <source>Przywróć wartości domyślne</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>Rozpocznij pomiar</source>
        <translation>Start measurement</translation>
    </message>
</context>
<context>
    <name>FreezeTabPage</name>
    <message>
        <source>  Zamrożone ramki  </source>
        <translation>  Freeze frame  </translation>
    </message>
    <message>
        <source>Kod błędu:</source>
        <translation>Trouble code:</translation>
    </message>
    <message>
        <source>Opis:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Kod błędu który spowodował zapamiętanie zamrożonej ramki.</source>
        <translation>Trouble code that caused the freeze frame to be stored.</translation>
    </message>
    <message>
        <source>Opis kodu błędu który spowodował zapamiętanie zamrożonej ramki.</source>
        <translation>Description of the trouble code that caused the freeze frame to be stored.</translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Wciśnij przycisk aby odczytać zamrożone ramki. Odczytywanie może potrwać kilka sekund.</source>
        <translation>Press the button to read the freeze frame. Reading may take a few seconds.</translation>
    </message>
    <message>
        <source>  Zamrożone parametry  </source>
        <translation>  Frozen parameters  </translation>
    </message>
    <message>
        <source>Lista zapamiętanych parametrów pracy silnika w momencie wystąpienia błędu. Możesz dopasować szerokość kolumn według uznania.</source>
        <translation>Engine operating parameters stored when the fault occurred. You can adjust the column widths as you like.</translation>
    </message>
</context>
<context>
    <name>KorvathApplication</name>
    <message>
        <source>Nieznany błąd programu.</source>
        <translation>Unknown program error.</translation>
    </message>
</context>
<context>
    <name>LogProblemText</name>
    <message>
        <source>Pliku nie można otworzyć do odczytu.</source>
        <translation>The file cannot be opened for reading.</translation>
    </message>
    <message>
        <source>Plik jest pusty.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Wiersz 1: brak nagłówka &quot;Ulmora Log&quot; - to nie jest log czujników tego programu.</source>
        <translation>Line 1: no &quot;Ulmora Log&quot; header - this is not a sensor log of this program.</translation>
    </message>
    <message>
        <source>Wiersz %1: nagłówek zawiera nieznany PID &quot;%2&quot;.</source>
        <translation>Line %1: the header names an unknown PID &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Wiersz %1: PID &quot;%2&quot; występuje w nagłówku dwukrotnie.</source>
        <translation>Line %1: the header names PID &quot;%2&quot; twice.</translation>
    </message>
    <message>
        <source>Wiersz %1 jest za długi jak na log czujników.</source>
        <translation>Line %1 is too long for a sensor log.</translation>
    </message>
    <message>
        <source>Wiersz %1: liczba pól %2, a nagłówek zapowiada %3.</source>
        <translation>Line %1: %2 fields, while the header calls for %3.</translation>
    </message>
    <message>
        <source>Wiersz %1: &quot;%2&quot; nie jest znacznikiem czasu.</source>
        <translation>Line %1: &quot;%2&quot; is not a time stamp.</translation>
    </message>
    <message>
        <source>Wiersz %1: czas %2 jest wcześniejszy niż w poprzednim wierszu.</source>
        <translation>Line %1: the time %2 is earlier than in the line before.</translation>
    </message>
    <message>
        <source>Wiersz %1: log jest za duży, by wczytać go w całości.</source>
        <translation>Line %1: the log is too large to be read whole.</translation>
    </message>
    <message>
        <source>To nie jest zwykły plik, lecz potok, gniazdo, urządzenie lub katalog - log czujników jest zawsze zwykłym plikiem.</source>
        <translation>This is not a regular file but a pipe, a socket, a device or a folder - a sensor log is always a regular file.</translation>
    </message>
</context>
<context>
    <name>LogTableModel</name>
    <message>
        <source>Czas</source>
        <translation>Time</translation>
    </message>
</context>
<context>
    <name>LogViewerWindow</name>
    <message>
        <source>Nie można wyświetlić logu %1.</source>
        <translation>Cannot show the log %1.</translation>
    </message>
    <message>
        <source>Log %1 wczytano tylko w części.</source>
        <translation>Only part of the log %1 was read.</translation>
    </message>
    <message>
        <source>Pokazano dane do wiersza %1.</source>
        <translation>The data up to line %1 are shown.</translation>
    </message>
    <message>
        <source>Log czujników - %1</source>
        <translation>Sensor log - %1</translation>
    </message>
    <message>
        <source>, od %1 do %2</source>
        <translation>, from %1 to %2</translation>
    </message>
    <message>
        <source>Plik: %1, wiersze danych: %2</source>
        <translation>File: %1, data lines: %2</translation>
    </message>
    <message>
        <source>Wykres logu</source>
        <translation>Log chart</translation>
    </message>
    <message>
        <source>Wiersze logu</source>
        <translation>Log lines</translation>
    </message>
    <message>
        <source>Wartości zapisane w logu, wiersz po wierszu.</source>
        <translation>The values recorded in the log, line by line.</translation>
    </message>
    <message>
        <source>  Parametry na wykresie  </source>
        <translation>  Charted parameters  </translation>
    </message>
    <message>
        <source>(brak)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>purpurowy</source>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>czerwony</source>
        <translation>red</translation>
    </message>
    <message>
        <source>zielony</source>
        <translation>green</translation>
    </message>
    <message>
        <source>żółty</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>błękitny</source>
        <translation>aqua</translation>
    </message>
    <message>
        <source>Parametr %1:</source>
        <translation>Parameter %1:</translation>
    </message>
    <message>
        <source>Parametr %1</source>
        <translation>Parameter %1</translation>
    </message>
    <message>
        <source>Czas: -</source>
        <translation>Time: -</translation>
    </message>
    <message>
        <source>Cały log</source>
        <translation>Whole log</translation>
    </message>
    <message>
        <source>Pokazuje na wykresie cały czas zapisu.</source>
        <translation>Shows the whole recording time on the chart.</translation>
    </message>
    <message>
        <source>Eksportuj wykres</source>
        <translation>Export chart</translation>
    </message>
    <message>
        <source>Zapisuje wykres w pliku PNG lub PDF.</source>
        <translation>Saves the chart in a PNG or PDF file.</translation>
    </message>
    <message>
        <source>Czas: %1</source>
        <translation>Time: %1</translation>
    </message>
    <message>
        <source>Obraz PNG (*.png);;Dokument PDF (*.pdf)</source>
        <translation>PNG image (*.png);;PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Kółko myszy (klawisze + i -) powiększa czas, przeciąganie (strzałki) go przesuwa, dwuklik (Home) pokazuje cały log; kliknięcie pokazuje wiersz w tabeli.</source>
        <translation>The mouse wheel (keys + and -) zooms the time, dragging (arrows) moves it, a double click (Home) shows the whole log; a click shows the line in the table.</translation>
    </message>
    <message>
        <source>Wartości daleko poza zakresem czujnika nie mieszczą się na osi (są w tabeli): %1</source>
        <translation>Values far outside the sensor&apos;s range are left off the axis (they are in the table): %1</translation>
    </message>
    <message>
        <source>Nie można zapisać wykresu w pliku %1 - sprawdź, czy na dysku jest miejsce i czy katalog istnieje.</source>
        <translation>Cannot save the chart in the file %1 - check that the disk has room and that the folder exists.</translation>
    </message>
    <message>
        <source>Na wykresie od %1 do %2</source>
        <translation>On the chart from %1 to %2</translation>
    </message>
</context>
<context>
    <name>MainTabPage</name>
    <message>
        <source>  Informacje o usterkach  </source>
        <translation>  Fault information  </translation>
    </message>
    <message>
        <source>Kontrolka &quot;Check Engine&quot;:</source>
        <translation>&quot;Check Engine&quot; lamp:</translation>
    </message>
    <message>
        <source>Ilość zapamiętanych błędów:</source>
        <translation>Number of stored codes:</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Stan kontrolki &quot;Check Engine&quot;</source>
        <translation>State of the &quot;Check Engine&quot; lamp</translation>
    </message>
    <message>
        <source>Ilość zapamiętanych zarejestrowanych błędów. </source>
        <translation>Number of stored trouble codes. </translation>
    </message>
    <message>
        <source>  Dane identyfikacyjne  </source>
        <translation>  Identification  </translation>
    </message>
    <message>
        <source>System OBD zgodny z:</source>
        <translation>OBD system compliant with:</translation>
    </message>
    <message>
        <source>Wersja standardu z którym jest zgodny pojazd</source>
        <translation>The OBD standard the vehicle complies with</translation>
    </message>
    <message>
        <source>Numer VIN:</source>
        <translation>VIN:</translation>
    </message>
    <message>
        <source>Numer VIN</source>
        <translation>VIN</translation>
    </message>
    <message>
        <source>  Status połączenia  </source>
        <translation>  Connection status  </translation>
    </message>
    <message>
        <source>Szczegółowe informacje na temat stanu połączenia.</source>
        <translation>Details of the connection state.</translation>
    </message>
    <message>
        <source>Wydruk protokółu</source>
        <translation>Print report</translation>
    </message>
    <message>
        <source>Połącz</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Kliknij przycisk aby połączyć się z samochodem</source>
        <translation>Click the button to connect to the car</translation>
    </message>
</context>
<context>
    <name>MessageCatalogue</name>
    <message>
        <source>STitle</source>
        <extracomment>Korvath Diag</extracomment>
        <translation>Korvath Diag</translation>
    </message>
    <message>
        <source>SWersja</source>
        <extracomment>Wersja</extracomment>
        <translation>Version</translation>
    </message>
    <message>
        <source>SForWin</source>
        <extracomment>dla Windows</extracomment>
        <translation>for Windows</translation>
    </message>
    <message>
        <source>SErrCode</source>
        <extracomment>Kod błędu</extracomment>
        <translation>Trouble code</translation>
    </message>
    <message>
        <source>SDesc</source>
        <extracomment>Opis</extracomment>
        <translation>Description</translation>
    </message>
    <message>
        <source>SPID</source>
        <extracomment>PID</extracomment>
        <translation>PID</translation>
    </message>
    <message>
        <source>SSensor</source>
        <extracomment>Czujnik</extracomment>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>SMeasure</source>
        <extracomment>Jednostka</extracomment>
        <translation>Unit</translation>
    </message>
    <message>
        <source>SValue</source>
        <extracomment>Wartość</extracomment>
        <translation>Value</translation>
    </message>
    <message>
        <source>SMonSubsys</source>
        <extracomment>Monitorowany podsystem</extracomment>
        <translation>Monitored subsystem</translation>
    </message>
    <message>
        <source>SStatus</source>
        <extracomment>Status</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>SActive</source>
        <extracomment>Aktywny</extracomment>
        <translation>Active</translation>
    </message>
    <message>
        <source>SMinMisfire</source>
        <extracomment>Monitor wypadania zapłonów</extracomment>
        <translation>Misfire monitor</translation>
    </message>
    <message>
        <source>SMonFuel</source>
        <extracomment>Monitor układu paliwowego</extracomment>
        <translation>Fuel system monitor</translation>
    </message>
    <message>
        <source>SMonSys</source>
        <extracomment>Monitor elementów systemowych</extracomment>
        <translation>Comprehensive component monitor</translation>
    </message>
    <message>
        <source>SMonCat</source>
        <extracomment>Monitor katalizatora</extracomment>
        <translation>Catalyst monitor</translation>
    </message>
    <message>
        <source>SMonHCat</source>
        <extracomment>Monitor podgrzewanego katalilzatora</extracomment>
        <translation>Heated catalyst monitor</translation>
    </message>
    <message>
        <source>SMonEVAP</source>
        <extracomment>Monitor systemu odprowadzania par paliwa (EVAP)</extracomment>
        <translation>Evaporative system monitor (EVAP)</translation>
    </message>
    <message>
        <source>SMonSecAir</source>
        <extracomment>Monitor systemu powietrza wtórnego</extracomment>
        <translation>Secondary air system monitor</translation>
    </message>
    <message>
        <source>SMonAC</source>
        <extracomment>Monitor klimatyzacji (czynnika chłodzącego)</extracomment>
        <translation>A/C system refrigerant monitor</translation>
    </message>
    <message>
        <source>SMonLambda</source>
        <extracomment>Monitor sond lambda</extracomment>
        <translation>Oxygen sensor monitor</translation>
    </message>
    <message>
        <source>SMonHLambda</source>
        <extracomment>Monitor podgrzewanych sond lambda</extracomment>
        <translation>Oxygen sensor heater monitor</translation>
    </message>
    <message>
        <source>SMonEGR</source>
        <extracomment>Monitor systemu recyrkulacji spalin (EGR)</extracomment>
        <translation>Exhaust gas recirculation monitor (EGR)</translation>
    </message>
    <message>
        <source>SMILOn</source>
        <extracomment>Zapalona</extracomment>
        <translation>On</translation>
    </message>
    <message>
        <source>SMILOff</source>
        <extracomment>Zgaszona</extracomment>
        <translation>Off</translation>
    </message>
    <message>
        <source>SExDTCP0103</source>
        <extracomment>Czujnik masowego lub objętościowego przepływu powietrza - wysoki sygnał wejściowy</extracomment>
        <translation>Mass or volume air flow circuit - high input</translation>
    </message>
    <message>
        <source>SNoDTC</source>
        <extracomment>Brak zarejestrowanych błędów</extracomment>
        <translation>No stored trouble codes</translation>
    </message>
    <message>
        <source>SNoFreezeFrame</source>
        <extracomment>Brak zamrożonych ramek</extracomment>
        <translation>No freeze frames</translation>
    </message>
    <message>
        <source>SErrSaveSettings</source>
        <extracomment>Nie można zapisać ustawień!</extracomment>
        <translation>Cannot save the settings!</translation>
    </message>
    <message>
        <source>SLogToFileStart</source>
        <extracomment>Zapis do pliku</extracomment>
        <translation>Log to file</translation>
    </message>
    <message>
        <source>SLogToFileStop</source>
        <extracomment>Koniec zapisu</extracomment>
        <translation>Stop logging</translation>
    </message>
    <message>
        <source>SDetectedQL30</source>
        <extracomment>Wykryto interfejs QL-30</extracomment>
        <translation>QL-30 interface detected</translation>
    </message>
    <message>
        <source>SDetectedQL40</source>
        <extracomment>Wykryto interfejs QL-40</extracomment>
        <translation>QL-40 interface detected</translation>
    </message>
    <message>
        <source>SDetectedQL10</source>
        <extracomment>Wykryto interfejs QL-10</extracomment>
        <translation>QL-10 interface detected</translation>
    </message>
    <message>
        <source>SNotDetectedIface</source>
        <extracomment>Nie wykryto interfejsu</extracomment>
        <translation>No interface detected</translation>
    </message>
    <message>
        <source>SNieMaInt</source>
        <extracomment>Błąd podczas wykrywania interfejsu</extracomment>
        <translation>Error while detecting the interface</translation>
    </message>
    <message>
        <source>SSupProto</source>
        <extracomment>Obsługiwane protokoły</extracomment>
        <translation>Supported protocols</translation>
    </message>
    <message>
        <source>SCantConfigureIface</source>
        <extracomment>Nie można skonfigurować interfejsu!</extracomment>
        <translation>Cannot configure the interface!</translation>
    </message>
    <message>
        <source>SIfaceConfigured</source>
        <extracomment>Skonfigurowano interfejs</extracomment>
        <translation>Interface configured</translation>
    </message>
    <message>
        <source>SVehCommErr</source>
        <extracomment>Nie można nawiązać komunikacji z pojazdem</extracomment>
        <translation>Cannot establish communication with the vehicle</translation>
    </message>
    <message>
        <source>SVehCommOK</source>
        <extracomment>Nawiązano komunikację z pojazdem</extracomment>
        <translation>Communication with the vehicle established</translation>
    </message>
    <message>
        <source>SModAnswr</source>
        <extracomment>Otrzymano odpowiedzi od modułów</extracomment>
        <translation>Modules answered</translation>
    </message>
    <message>
        <source>SModDiscPend</source>
        <extracomment>Trwa rozłączanie modułów...</extracomment>
        <translation>Disconnecting modules... </translation>
    </message>
    <message>
        <source>SDisconnected</source>
        <extracomment>rozłączono</extracomment>
        <translation> disconnected</translation>
    </message>
    <message>
        <source>SDisconnect</source>
        <extracomment>Rozłącz</extracomment>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>SConnect</source>
        <extracomment>Połącz</extracomment>
        <translation>Connect</translation>
    </message>
    <message>
        <source>SPort</source>
        <extracomment>Port</extracomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>SClosed</source>
        <extracomment>zamknięty</extracomment>
        <translation>closed</translation>
    </message>
    <message>
        <source>SOpen</source>
        <extracomment>otwarty</extracomment>
        <translation>open</translation>
    </message>
    <message>
        <source>SYes</source>
        <extracomment>TAK</extracomment>
        <translation>YES</translation>
    </message>
    <message>
        <source>SNo</source>
        <extracomment>NIE</extracomment>
        <translation>NO</translation>
    </message>
    <message>
        <source>SMonEnd</source>
        <extracomment>Zakończony</extracomment>
        <translation>Complete</translation>
    </message>
    <message>
        <source>SMonNotEnd</source>
        <extracomment>Niezakończony</extracomment>
        <translation>Incomplete</translation>
    </message>
    <message>
        <source>SStart</source>
        <extracomment>Start</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>SStop</source>
        <extracomment>Stop</extracomment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>SErrLoadSetting</source>
        <extracomment>Nie można odczytać ustawień!</extracomment>
        <translation>Cannot read the settings!</translation>
    </message>
    <message>
        <source>SErrCantOpenPort</source>
        <extracomment>Błąd: nie można otworzyć portu</extracomment>
        <translation>Error: cannot open the port</translation>
    </message>
    <message>
        <source>SErrOpenPort</source>
        <extracomment>Błąd podczas otwierania portu</extracomment>
        <translation>Error while opening the port</translation>
    </message>
    <message>
        <source>STabMsg</source>
        <extracomment>Aby uzyskać dostęp do pozostałych funkcji programu [CR LF] Należy najpierw połączyć się z pojazdem, [CR LF] wciskając przycisk &quot;Połącz&quot;</extracomment>
        <translation>To reach the other functions of the program, <byte value="xd"/>
    connect to the vehicle first <byte value="xd"/>
           by pressing the &quot;Connect&quot; button </translation>
    </message>
    <message>
        <source>SDTCClearWrng</source>
        <extracomment>Wybrana funkcja spowoduje: [CR LF] - skasowanie kodów błędów [CR LF] - zgaszenie kontrolki &quot;Check Engine&quot; [CR LF] - skasowanie zamrożonych parametrów [CR LF] - skasowanie danych z sond lambda [CR LF] - skasowanie wyników monitorów diagnostycznych [CR LF] [CR LF] Utrata powyższych danych może spowodować złe funkcjonowanie [CR LF] pojazdu, dopóki system nie dokona rekalibracji [CR LF] [CR LF] Czy jesteś pewien, że chcesz skasować dane?</extracomment>
        <translation>The selected function will:<byte value="xd"/>
- clear the trouble codes<byte value="xd"/>
- turn off the &quot;Check Engine&quot; lamp<byte value="xd"/>
- clear the freeze frame data<byte value="xd"/>
- clear the oxygen sensor test data<byte value="xd"/>
- clear the diagnostic monitor results<byte value="xd"/>
<byte value="xd"/>
Losing these data may make the vehicle run poorly<byte value="xd"/>
until the system has recalibrated itself<byte value="xd"/>
<byte value="xd"/>
Are you sure you want to clear the data?</translation>
    </message>
    <message>
        <source>SWinCloseWrng</source>
        <extracomment>Przed zamknięciem aplikacji napierw rozłącz się z pojazdem [CR LF] wciskając przycisk &quot;Rozłącz&quot; na zakładce &quot;Główna&quot;.</extracomment>
        <translation>Before closing the application, disconnect from the vehicle<byte value="xd"/>
by pressing the &quot;Disconnect&quot; button on the &quot;Main&quot; tab.</translation>
    </message>
    <message>
        <source>SFileError</source>
        <extracomment>Błąd podczas otwierania pliku !</extracomment>
        <translation>Error while opening the file!</translation>
    </message>
    <message>
        <source>SBadDir</source>
        <extracomment>Błędny katalog na logi!</extracomment>
        <translation>Invalid log folder!</translation>
    </message>
    <message>
        <source>S0x03_01</source>
        <extracomment>brak sprzężenia zwrotnego (brak warunków)</extracomment>
        <translation>open loop (conditions not met) </translation>
    </message>
    <message>
        <source>S0x03_02</source>
        <extracomment>sprzężenie zwrotne, używane sondy lambda</extracomment>
        <translation>closed loop, using oxygen sensors </translation>
    </message>
    <message>
        <source>S0x03_04</source>
        <extracomment>brak sprzężenia zwrotnego (warunki jazdy)</extracomment>
        <translation>open loop (driving conditions) </translation>
    </message>
    <message>
        <source>S0x03_08</source>
        <extracomment>brak sprzężenia zwrotnego, błąd systemu</extracomment>
        <translation>open loop, system fault </translation>
    </message>
    <message>
        <source>S0x03_10</source>
        <extracomment>sprzężenie zwrotne, ale wykryta usterka sondy lambda</extracomment>
        <translation>closed loop, but oxygen sensor fault detected </translation>
    </message>
    <message>
        <source>S0x07_01</source>
        <extracomment>powyżej 1 katalizatora</extracomment>
        <translation>upstream of the first catalyst</translation>
    </message>
    <message>
        <source>S0x07_02</source>
        <extracomment>poniżej 1 katalizatora</extracomment>
        <translation>downstream of the first catalyst</translation>
    </message>
    <message>
        <source>S0x07_04</source>
        <extracomment>atmosferyczne/wył</extracomment>
        <translation>atmosphere/off</translation>
    </message>
    <message>
        <source>S0x07_xx</source>
        <extracomment>Nie obsługiwane</extracomment>
        <translation>Not supported</translation>
    </message>
    <message>
        <source>S0x1C_01</source>
        <extracomment>OBD II (California ARB)</extracomment>
        <translation>OBD II (California ARB)</translation>
    </message>
    <message>
        <source>S0x1C_02</source>
        <extracomment>OBD (Federal EPA)</extracomment>
        <translation>OBD (Federal EPA)</translation>
    </message>
    <message>
        <source>S0x1C_03</source>
        <extracomment>OBD i OBD II</extracomment>
        <translation>OBD and OBD II</translation>
    </message>
    <message>
        <source>S0x1C_04</source>
        <extracomment>OBD I</extracomment>
        <translation>OBD I</translation>
    </message>
    <message>
        <source>S0x1C_05</source>
        <extracomment>Nie spełnia normy OBD</extracomment>
        <translation>Not OBD compliant</translation>
    </message>
    <message>
        <source>S0x1C_06</source>
        <extracomment>EOBD (Europa)</extracomment>
        <translation>EOBD (Europe)</translation>
    </message>
    <message>
        <source>S0x1C_07</source>
        <extracomment>EOBD i OBD II</extracomment>
        <translation>EOBD and OBD II</translation>
    </message>
    <message>
        <source>S0x1C_08</source>
        <extracomment>EOBD i OBD</extracomment>
        <translation>EOBD and OBD</translation>
    </message>
    <message>
        <source>S0x1C_09</source>
        <extracomment>EOBD, OBD i OBD II</extracomment>
        <translation>EOBD, OBD and OBD II</translation>
    </message>
    <message>
        <source>S0x1C_10</source>
        <extracomment>JOBD (Japonia)</extracomment>
        <translation>JOBD (Japan)</translation>
    </message>
    <message>
        <source>S0x1C_11</source>
        <extracomment>JOBD i OBD II</extracomment>
        <translation>JOBD and OBD II</translation>
    </message>
    <message>
        <source>S0x1C_12</source>
        <extracomment>JOBD i EOBD</extracomment>
        <translation>JOBD and EOBD</translation>
    </message>
    <message>
        <source>S0x1C_13</source>
        <extracomment>JOBD, EOBD, i OBD II</extracomment>
        <translation>JOBD, EOBD, and OBD II</translation>
    </message>
    <message>
        <source>S0x1C_xx</source>
        <extracomment>Nieznany</extracomment>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>S0x2D_1</source>
        <extracomment>(mniej niż zadane)</extracomment>
        <translation>(less than commanded)</translation>
    </message>
    <message>
        <source>S0x2D_2</source>
        <extracomment>(więcej niż zadane)</extracomment>
        <translation>(more than commanded)</translation>
    </message>
    <message>
        <source>S0x2D_3</source>
        <extracomment>(brak błędów)</extracomment>
        <translation>(no errors)</translation>
    </message>
    <message>
        <source>SInitComm</source>
        <extracomment>Nazwiązywanie komunikacji z pojazdem...</extracomment>
        <translation>Establishing communication with the vehicle...</translation>
    </message>
    <message>
        <source>SErrVehCommBus</source>
        <extracomment>Nie można nawiązać komunikacji z pojazdem. [CR LF] Możliwe zwarcie na linii K</extracomment>
        <translation>Cannot establish communication with the vehicle.<byte value="xd"/>
Possible short circuit on the K line</translation>
    </message>
    <message>
        <source>SErrVehCommFB</source>
        <extracomment>Nie można nawiązać komunikacji z pojazdem. [CR LF] Możliwe uszkodzenie interfejsu</extracomment>
        <translation>Cannot establish communication with the vehicle.<byte value="xd"/>
Possible interface fault</translation>
    </message>
    <message>
        <source>SErrVehCommData</source>
        <extracomment>Nie można nawiązać komunikacji z pojazdem. [CR LF] Być może pojazd nie jest zgodny z OBDII</extracomment>
        <translation>Cannot establish communication with the vehicle.<byte value="xd"/>
The vehicle may not be OBDII compliant</translation>
    </message>
    <message>
        <source>SErrVehCommNoData</source>
        <extracomment>Nie można nawiązać komunikacji z pojazdem. [CR LF] Być może pojazd nie jest zgodny z OBDII</extracomment>
        <translation>Cannot establish communication with the vehicle.<byte value="xd"/>
The vehicle may not be OBDII compliant</translation>
    </message>
    <message>
        <source>SErrVehCommErr</source>
        <extracomment>Nie można nawiązać komunikacji z pojazdem. [CR LF] Być może pojazd nie jest zgodny z OBDII</extracomment>
        <translation>Cannot establish communication with the vehicle.<byte value="xd"/>
The vehicle may not be OBDII compliant</translation>
    </message>
    <message>
        <source>SErrVehCommErrX</source>
        <extracomment>Nie można nawiązać komunikacji z pojazdem. [CR LF] Nieokreślony błąd</extracomment>
        <translation>Cannot establish communication with the vehicle.<byte value="xd"/>
Unspecified error</translation>
    </message>
    <message>
        <source>SStartAccel</source>
        <extracomment>Rozpocznij pomiar</extracomment>
        <translation>Start measurement</translation>
    </message>
    <message>
        <source>SStopAccel</source>
        <extracomment>Przerwij pomiar</extracomment>
        <translation>Abort measurement</translation>
    </message>
    <message>
        <source>SStopCar</source>
        <extracomment>Zatrzymaj pojazd</extracomment>
        <translation>Stop the vehicle</translation>
    </message>
    <message>
        <source>SSlowCar</source>
        <extracomment>Zwolnij poniżej</extracomment>
        <translation>Slow down below</translation>
    </message>
    <message>
        <source>SStartCar</source>
        <extracomment>Przyspiesz do</extracomment>
        <translation>Accelerate to</translation>
    </message>
    <message>
        <source>SErrSpd0</source>
        <extracomment>Prędkość końcowa musi być większa od 0 !!!</extracomment>
        <translation>The final speed must be greater than 0 !!!</translation>
    </message>
    <message>
        <source>SErrSpd1</source>
        <extracomment>Prędkość końcowa musi być większa od początkowej !!!</extracomment>
        <translation>The final speed must be greater than the initial speed !!!</translation>
    </message>
    <message>
        <source>PNaglowek</source>
        <extracomment>PROTOKÓŁ KOMPUTEROWEJ DIAGNOSTYKI POJAZDU</extracomment>
        <translation>VEHICLE COMPUTER DIAGNOSTICS REPORT</translation>
    </message>
    <message>
        <source>PDaneWarsztatu</source>
        <extracomment>DANE WARSZTATU</extracomment>
        <translation>WORKSHOP DATA</translation>
    </message>
    <message>
        <source>PNazwa</source>
        <extracomment>Nazwa</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>PAdres</source>
        <extracomment>Adres</extracomment>
        <translation>Address</translation>
    </message>
    <message>
        <source>PDanePojazdu</source>
        <extracomment>DANE POJAZDU</extracomment>
        <translation>VEHICLE DATA</translation>
    </message>
    <message>
        <source>PNrRej</source>
        <extracomment>Nr rejestracyjny</extracomment>
        <translation>Registration no.</translation>
    </message>
    <message>
        <source>PMarka</source>
        <extracomment>Marka</extracomment>
        <translation>Make</translation>
    </message>
    <message>
        <source>PNrSiln</source>
        <extracomment>Numer silnika</extracomment>
        <translation>Engine number</translation>
    </message>
    <message>
        <source>PPrzebieg</source>
        <extracomment>Przebieg</extracomment>
        <translation>Mileage</translation>
    </message>
    <message>
        <source>PTyp</source>
        <extracomment>Typ i model</extracomment>
        <translation>Type and model</translation>
    </message>
    <message>
        <source>PVIN</source>
        <extracomment>VIN</extracomment>
        <translation>VIN</translation>
    </message>
    <message>
        <source>PWyniki</source>
        <extracomment>WYNIKI BADANIA</extracomment>
        <translation>TEST RESULTS</translation>
    </message>
    <message>
        <source>PStd</source>
        <extracomment>Standard komunikacji diagnostycznej</extracomment>
        <translation>Diagnostic communication standard</translation>
    </message>
    <message>
        <source>PAdrMod</source>
        <extracomment>Adres modułu sterownika</extracomment>
        <translation>Control module address</translation>
    </message>
    <message>
        <source>PIlO2</source>
        <extracomment>Ilość czujników tlenu</extracomment>
        <translation>Number of oxygen sensors</translation>
    </message>
    <message>
        <source>PLokO2</source>
        <extracomment>Lokalizacja czujników tlenu</extracomment>
        <translation>Oxygen sensor locations</translation>
    </message>
    <message>
        <source>PMIL</source>
        <extracomment>Kontrolka MIL</extracomment>
        <translation>MIL lamp</translation>
    </message>
    <message>
        <source>PUst</source>
        <extracomment>Pamięć usterek</extracomment>
        <translation>Fault memory</translation>
    </message>
    <message>
        <source>PDTCPend</source>
        <extracomment>Usterki oczekujące</extracomment>
        <translation>Pending faults</translation>
    </message>
    <message>
        <source>PDTCStored</source>
        <extracomment>Usterki zarejestrowane</extracomment>
        <translation>Stored faults</translation>
    </message>
    <message>
        <source>PMon</source>
        <extracomment>Monitory diagnostyczne</extracomment>
        <translation>Diagnostic monitors</translation>
    </message>
    <message>
        <source>PUwagi</source>
        <extracomment>Uwagi</extracomment>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>PStopka1</source>
        <extracomment>Przyrząd użyty do badania</extracomment>
        <translation>Instrument used for the test</translation>
    </message>
    <message>
        <source>PStopka2</source>
        <extracomment>z oprogramowaniem Ulmora wersja</extracomment>
        <translation>with Ulmora software version</translation>
    </message>
    <message>
        <source>PStopka3</source>
        <extracomment>https://www.korvath.pl</extracomment>
        <translation>https://www.korvath.pl</translation>
    </message>
    <message>
        <source>PMonEnd</source>
        <extracomment>Zakończony</extracomment>
        <translation>Complete</translation>
    </message>
    <message>
        <source>PMonNotEnd</source>
        <extracomment>Niezakończony</extracomment>
        <translation>Incomplete</translation>
    </message>
    <message>
        <source>PMonBrak</source>
        <extracomment>Brak</extracomment>
        <translation>None</translation>
    </message>
    <message>
        <source>PMILOn</source>
        <extracomment>Zapalona</extracomment>
        <translation>On</translation>
    </message>
    <message>
        <source>PMILOff</source>
        <extracomment>Zgaszona</extracomment>
        <translation>Off</translation>
    </message>
    <message>
        <source>DErrParam</source>
        <extracomment>Niepoprawne parametry !</extracomment>
        <translation>Invalid parameters!</translation>
    </message>
    <message>
        <source>DErrNum</source>
        <extracomment>Niepoprawna wartość numeryczna !</extracomment>
        <translation>Invalid numeric value!</translation>
    </message>
    <message>
        <source>SDetectedIface</source>
        <extracomment>Wykryto interfejs %1</extracomment>
        <translation>Interface found: %1</translation>
    </message>
    <message>
        <source>SPortMissing</source>
        <extracomment>Błąd: port %1 nie istnieje</extracomment>
        <translation>Error: port %1 does not exist</translation>
    </message>
    <message>
        <source>SPortBusy</source>
        <extracomment>Błąd: port %1 jest zajęty przez inny program</extracomment>
        <translation>Error: port %1 is in use by another program</translation>
    </message>
    <message>
        <source>SPortDenied</source>
        <extracomment>Błąd: brak uprawnień do portu %1 - użytkownik musi należeć do grupy dialout</extracomment>
        <translation>Error: no permission for port %1 - the user must be a member of the group dialout</translation>
    </message>
    <message>
        <source>SPortFailed</source>
        <extracomment>Błąd: nie można otworzyć portu %1 (%2)</extracomment>
        <translation>Error: cannot open port %1 (%2)</translation>
    </message>
    <message>
        <source>SIfaceNoAnswer</source>
        <extracomment>Błąd: interfejs nie odpowiada - sprawdź podłączenie i prędkość portu</extracomment>
        <translation>Error: the interface does not answer - check the connection and the port speed</translation>
    </message>
    <message>
        <source>SIfaceUnknown</source>
        <extracomment>Błąd: urządzenie na porcie nie jest interfejsem ELM327</extracomment>
        <translation>Error: the device on the port is not an ELM327 interface</translation>
    </message>
    <message>
        <source>SIfaceConfigFailed</source>
        <extracomment>Błąd: interfejs nie przyjął polecenia %1</extracomment>
        <translation>Error: the interface refused the command %1</translation>
    </message>
    <message>
        <source>SVehNoAnswer</source>
        <extracomment>Błąd: interfejs działa, ale pojazd nie odpowiada (%1) - sprawdź, czy zapłon jest włączony</extracomment>
        <translation>Error: the interface works but the vehicle does not answer (%1) - check that the ignition is on</translation>
    </message>
    <message>
        <source>SNoReplyInTime</source>
        <extracomment>brak odpowiedzi w wyznaczonym czasie</extracomment>
        <translation>no answer in time</translation>
    </message>
    <message>
        <source>SDTCClearFailed</source>
        <extracomment>Pojazd nie skasował kodów błędów.</extracomment>
        <translation>The vehicle did not clear the trouble codes.</translation>
    </message>
    <message>
        <source>SUnitRefused</source>
        <extracomment>sterownik %1 odmówił (%2)</extracomment>
        <translation>control unit %1 refused (%2)</translation>
    </message>
    <message>
        <source>SUnitSilent</source>
        <extracomment>sterownik %1 nie odpowiedział</extracomment>
        <translation>control unit %1 did not answer</translation>
    </message>
    <message>
        <source>SNoUnitAnswered</source>
        <extracomment>żaden sterownik nie odpowiedział</extracomment>
        <translation>no control unit answered</translation>
    </message>
    <message>
        <source>SAnswerBroken</source>
        <extracomment>niepełna lub uszkodzona odpowiedź (%1)</extracomment>
        <translation>incomplete or damaged answer (%1)</translation>
    </message>
    <message>
        <source>SRefusedConditions</source>
        <extracomment>warunki nie pozwalają - np. pracuje silnik</extracomment>
        <translation>conditions not correct - e.g. the engine is running</translation>
    </message>
    <message>
        <source>SDTCReadFailed</source>
        <extracomment>Nie udało się odczytać pamięci usterek pojazdu:</extracomment>
        <translation>The vehicle&apos;s fault memory could not be read:</translation>
    </message>
    <message>
        <source>SDTCPartPending</source>
        <extracomment>kody oczekujące</extracomment>
        <translation>pending codes</translation>
    </message>
    <message>
        <source>SDTCPartStored</source>
        <extracomment>kody zarejestrowane</extracomment>
        <translation>stored codes</translation>
    </message>
    <message>
        <source>SDTCPartMil</source>
        <extracomment>stan kontrolki &quot;Check Engine&quot;</extracomment>
        <translation>state of the &quot;Check Engine&quot; lamp</translation>
    </message>
    <message>
        <source>SMonReadFailed</source>
        <extracomment>Nie udało się odczytać stanu monitorów diagnostycznych.</extracomment>
        <translation>The state of the diagnostic monitors could not be read.</translation>
    </message>
    <message>
        <source>PDTCUnread</source>
        <extracomment>Nie udało się odczytać pamięci usterek</extracomment>
        <translation>The fault memory could not be read</translation>
    </message>
    <message>
        <source>PNotRead</source>
        <extracomment>Nie odczytano</extracomment>
        <translation>Not read</translation>
    </message>
    <message>
        <source>SLinkLost</source>
        <extracomment>Błąd: utracono połączenie z interfejsem na porcie %1 - sprawdź podłączenie i połącz ponownie</extracomment>
        <translation>Error: the connection to the interface on port %1 was lost - check the cable and connect again</translation>
    </message>
    <message>
        <source>SMonNmhcCat</source>
        <extracomment>Monitor katalizatora NMHC</extracomment>
        <translation>NMHC catalyst monitor</translation>
    </message>
    <message>
        <source>SMonNoxScr</source>
        <extracomment>Monitor układu redukcji NOx / SCR</extracomment>
        <translation>NOx / SCR aftertreatment monitor</translation>
    </message>
    <message>
        <source>SMonBoost</source>
        <extracomment>Monitor układu ciśnienia doładowania</extracomment>
        <translation>Boost pressure system monitor</translation>
    </message>
    <message>
        <source>SMonExhaustSensor</source>
        <extracomment>Monitor czujników spalin</extracomment>
        <translation>Exhaust gas sensor monitor</translation>
    </message>
    <message>
        <source>SMonPmFilter</source>
        <extracomment>Monitor filtra cząstek stałych (DPF)</extracomment>
        <translation>Particulate filter (DPF) monitor</translation>
    </message>
    <message>
        <source>SMonEgrVvt</source>
        <extracomment>Monitor układu EGR / VVT</extracomment>
        <translation>EGR / VVT system monitor</translation>
    </message>
    <message>
        <source>PStrona</source>
        <extracomment>Strona %1 z %2</extracomment>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>SHostUnreachable</source>
        <extracomment>Błąd: adres %1 jest nieosiągalny - sprawdź, czy komputer jest połączony z siecią Wi-Fi interfejsu</extracomment>
        <translation>Error: address %1 cannot be reached - check that the computer is connected to the adapter&apos;s Wi-Fi network</translation>
    </message>
    <message>
        <source>SHostRefused</source>
        <extracomment>Błąd: %1 odmówił połączenia na porcie %2 - sprawdź adres i port interfejsu</extracomment>
        <translation>Error: %1 refused the connection on port %2 - check the adapter&apos;s address and port</translation>
    </message>
    <message>
        <source>SHostNoAnswer</source>
        <extracomment>Błąd: %1 nie odpowiada na porcie %2 - sprawdź, czy interfejs jest włączony</extracomment>
        <translation>Error: %1 does not answer on port %2 - check that the adapter is switched on</translation>
    </message>
    <message>
        <source>SHostFailed</source>
        <extracomment>Błąd: nie można połączyć się z %1 na porcie %2 (%3)</extracomment>
        <translation>Error: cannot connect to %1 on port %2 (%3)</translation>
    </message>
    <message>
        <source>SBaudFound</source>
        <extracomment>Znaleziono prędkość interfejsu: %1 b/s</extracomment>
        <translation>Adapter speed found: %1 bit/s</translation>
    </message>
    <message>
        <source>SBaudNotFound</source>
        <extracomment>Błąd: interfejs nie odpowiada przy żadnej prędkości (%1) - sprawdź podłączenie</extracomment>
        <translation>Error: the adapter does not answer at any speed (%1) - check the connection</translation>
    </message>
    <message>
        <source>SStatusUnread</source>
        <extracomment>Nie udało się odczytać stanu kontrolki &quot;Check Engine&quot; i liczby kodów: %1</extracomment>
        <translation>Could not read the state of the &quot;Check Engine&quot; lamp and the number of codes: %1</translation>
    </message>
    <message>
        <source>SDTCManufacturer</source>
        <extracomment>Kod producenta - opis w dokumentacji producenta pojazdu</extracomment>
        <translation>Manufacturer-specific code - see the vehicle manufacturer&apos;s documentation</translation>
    </message>
    <message>
        <source>SIfaceStopped</source>
        <extracomment>Błąd: interfejs przestał odpowiadać (brak odpowiedzi na %1) - sprawdź podłączenie i połącz ponownie</extracomment>
        <translation>Error: the interface stopped answering (no answer to %1) - check the connection and connect again</translation>
    </message>
    <message>
        <source>SIfaceNoAnswerAt</source>
        <extracomment>Błąd: interfejs pod adresem %1, port %2, nie odpowiada - sprawdź adres i port interfejsu</extracomment>
        <translation>Error: the interface at address %1, port %2, does not answer - check the interface&apos;s address and port</translation>
    </message>
    <message>
        <source>SMonTestsReadFailed</source>
        <extracomment>Nie udało się odczytać wyników testów monitorów.</extracomment>
        <translation>The monitor test results could not be read.</translation>
    </message>
    <message>
        <source>SMonTestPassed</source>
        <extracomment>OK</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>SMonTestOutOfRange</source>
        <extracomment>Poza zakresem</extracomment>
        <translation>Out of range</translation>
    </message>
    <message>
        <source>SMonTestsNone</source>
        <extracomment>Pojazd nie podał wyników żadnego testu.</extracomment>
        <translation>The vehicle gave the results of no test.</translation>
    </message>
    <message>
        <source>SMonTestsLegacy</source>
        <extracomment>Protokół tego pojazdu podaje wyniki testów bez jednostek: wartości są surowe, a znaczenie testów i składników opisuje dokumentacja producenta pojazdu.</extracomment>
        <translation>This vehicle&apos;s protocol gives test results without units: the values are raw, and the meaning of the tests and components is described in the vehicle maker&apos;s documentation.</translation>
    </message>
    <message>
        <source>SMonitorNumber</source>
        <extracomment>Monitor $%1</extracomment>
        <translation>Monitor $%1</translation>
    </message>
    <message>
        <source>STestNumber</source>
        <extracomment>Test $%1</extracomment>
        <translation>Test $%1</translation>
    </message>
    <message>
        <source>SMakerTestNumber</source>
        <extracomment>Test producenta $%1</extracomment>
        <translation>Manufacturer&apos;s test $%1</translation>
    </message>
    <message>
        <source>SComponentNumber</source>
        <extracomment>Składnik $%1</extracomment>
        <translation>Component $%1</translation>
    </message>
    <message>
        <source>SScalingUnknown</source>
        <extracomment>surowe (skala $%1)</extracomment>
        <translation>raw (scaling $%1)</translation>
    </message>
    <message>
        <source>SRawValues</source>
        <extracomment>surowe</extracomment>
        <translation>raw</translation>
    </message>
    <message>
        <source>SUnitNoMonitorTests</source>
        <extracomment>sterownik %1 nie podaje wyników testów</extracomment>
        <translation>control unit %1 gives no test results</translation>
    </message>
    <message>
        <source>SStepConnect</source>
        <extracomment>Łączenie z interfejsem %1...</extracomment>
        <translation>Connecting to the adapter %1...</translation>
    </message>
    <message>
        <source>SStepSpeed</source>
        <extracomment>Sprawdzanie prędkości interfejsu: %1 b/s...</extracomment>
        <translation>Trying the adapter speed: %1 bit/s...</translation>
    </message>
    <message>
        <source>SStepReset</source>
        <extracomment>Resetowanie interfejsu...</extracomment>
        <translation>Resetting the adapter...</translation>
    </message>
    <message>
        <source>SStepSetUp</source>
        <extracomment>Konfigurowanie interfejsu...</extracomment>
        <translation>Configuring the adapter...</translation>
    </message>
    <message>
        <source>SStepSearch</source>
        <extracomment>Wyszukiwanie protokołu pojazdu (do %1 s)...</extracomment>
        <translation>Searching for the vehicle protocol (up to %1 s)...</translation>
    </message>
    <message>
        <source>SBadWifiHost</source>
        <extracomment>Błędny adres w polu &quot;Adres Wi-Fi&quot;: &quot;%1&quot; nie jest ani adresem IP (np. 192.168.0.10), ani nazwą hosta.</extracomment>
        <translation>Invalid address in the field &quot;Wi-Fi address&quot;: &quot;%1&quot; is neither an IP address (e.g. 192.168.0.10) nor a host name.</translation>
    </message>
    <message>
        <source>SBattery</source>
        <extracomment>Napięcie akumulatora</extracomment>
        <translation>Battery voltage</translation>
    </message>
    <message>
        <source>SBatteryUnread</source>
        <extracomment>nie odczytano</extracomment>
        <translation>not read</translation>
    </message>
    <message>
        <source>SLowBattery</source>
        <extracomment>napięcie akumulatora wynosi tylko %1 - zapłon może być wyłączony lub akumulator rozładowany</extracomment>
        <translation>the battery voltage is only %1 - the ignition may be off or the battery flat</translation>
    </message>
    <message>
        <source>SInfoNotSupported</source>
        <extracomment>nieobsługiwane przez sterownik</extracomment>
        <translation>not supported by the control unit</translation>
    </message>
    <message>
        <source>SInfoUnread</source>
        <extracomment>nie udało się odczytać: %1</extracomment>
        <translation>could not be read: %1</translation>
    </message>
    <message>
        <source>SPermNone</source>
        <extracomment>Brak kodów stałych</extracomment>
        <translation>No permanent codes</translation>
    </message>
    <message>
        <source>SPermNotSupported</source>
        <extracomment>nieobsługiwane przez ten pojazd</extracomment>
        <translation>not supported by this car</translation>
    </message>
    <message>
        <source>SRatioLow</source>
        <extracomment>za niski</extracomment>
        <translation>too low</translation>
    </message>
    <message>
        <source>SMonRearLambda</source>
        <extracomment>Monitor sond lambda za katalizatorem</extracomment>
        <translation>Oxygen sensor monitor after the catalyst</translation>
    </message>
    <message>
        <source>SMonNoxAdsorber</source>
        <extracomment>Monitor pochłaniacza NOx</extracomment>
        <translation>NOx adsorber monitor</translation>
    </message>
    <message>
        <source>SIptMonitor</source>
        <extracomment>Monitor</extracomment>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>SIptCompletions</source>
        <extracomment>Wykonania</extracomment>
        <translation>Completions</translation>
    </message>
    <message>
        <source>SIptConditions</source>
        <extracomment>Warunki</extracomment>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>SIptRatio</source>
        <extracomment>Współczynnik</extracomment>
        <translation>Ratio</translation>
    </message>
    <message>
        <source>SIgnitionCycles</source>
        <extracomment>Cykle zapłonu</extracomment>
        <translation>Ignition cycles</translation>
    </message>
    <message>
        <source>SGeneralDenominator</source>
        <extracomment>Mianownik ogólny</extracomment>
        <translation>General denominator</translation>
    </message>
    <message>
        <source>SUnitNameLabel</source>
        <extracomment>Nazwa</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>PUnits</source>
        <extracomment>DANE STEROWNIKÓW</extracomment>
        <translation>CONTROL UNIT DATA</translation>
    </message>
    <message>
        <source>PUnit</source>
        <extracomment>Sterownik</extracomment>
        <translation>Control unit</translation>
    </message>
    <message>
        <source>PCalibrations</source>
        <extracomment>Kalibracje (CAL ID / CVN)</extracomment>
        <translation>Calibrations (CAL ID / CVN)</translation>
    </message>
    <message>
        <source>PPermanent</source>
        <extracomment>Kody stałe</extracomment>
        <translation>Permanent codes</translation>
    </message>
    <message>
        <source>PInUse</source>
        <extracomment>Wskaźniki wykonania monitorów</extracomment>
        <translation>Monitor completion ratios</translation>
    </message>
</context>
<context>
    <name>MonitorNames</name>
    <message>
        <source>Sonda lambda B1S1</source>
        <translation>Oxygen sensor B1S1</translation>
    </message>
    <message>
        <source>Sonda lambda B1S2</source>
        <translation>Oxygen sensor B1S2</translation>
    </message>
    <message>
        <source>Sonda lambda B1S3</source>
        <translation>Oxygen sensor B1S3</translation>
    </message>
    <message>
        <source>Sonda lambda B1S4</source>
        <translation>Oxygen sensor B1S4</translation>
    </message>
    <message>
        <source>Sonda lambda B2S1</source>
        <translation>Oxygen sensor B2S1</translation>
    </message>
    <message>
        <source>Sonda lambda B2S2</source>
        <translation>Oxygen sensor B2S2</translation>
    </message>
    <message>
        <source>Sonda lambda B2S3</source>
        <translation>Oxygen sensor B2S3</translation>
    </message>
    <message>
        <source>Sonda lambda B2S4</source>
        <translation>Oxygen sensor B2S4</translation>
    </message>
    <message>
        <source>Sonda lambda B3S1</source>
        <translation>Oxygen sensor B3S1</translation>
    </message>
    <message>
        <source>Sonda lambda B3S2</source>
        <translation>Oxygen sensor B3S2</translation>
    </message>
    <message>
        <source>Sonda lambda B3S3</source>
        <translation>Oxygen sensor B3S3</translation>
    </message>
    <message>
        <source>Sonda lambda B3S4</source>
        <translation>Oxygen sensor B3S4</translation>
    </message>
    <message>
        <source>Sonda lambda B4S1</source>
        <translation>Oxygen sensor B4S1</translation>
    </message>
    <message>
        <source>Sonda lambda B4S2</source>
        <translation>Oxygen sensor B4S2</translation>
    </message>
    <message>
        <source>Sonda lambda B4S3</source>
        <translation>Oxygen sensor B4S3</translation>
    </message>
    <message>
        <source>Sonda lambda B4S4</source>
        <translation>Oxygen sensor B4S4</translation>
    </message>
    <message>
        <source>Katalizator Bank 1</source>
        <translation>Catalyst bank 1</translation>
    </message>
    <message>
        <source>Katalizator Bank 2</source>
        <translation>Catalyst bank 2</translation>
    </message>
    <message>
        <source>Katalizator Bank 3</source>
        <translation>Catalyst bank 3</translation>
    </message>
    <message>
        <source>Katalizator Bank 4</source>
        <translation>Catalyst bank 4</translation>
    </message>
    <message>
        <source>Recyrkulacja spalin (EGR) Bank 1</source>
        <translation>Exhaust gas recirculation (EGR) bank 1</translation>
    </message>
    <message>
        <source>Recyrkulacja spalin (EGR) Bank 2</source>
        <translation>Exhaust gas recirculation (EGR) bank 2</translation>
    </message>
    <message>
        <source>Recyrkulacja spalin (EGR) Bank 3</source>
        <translation>Exhaust gas recirculation (EGR) bank 3</translation>
    </message>
    <message>
        <source>Recyrkulacja spalin (EGR) Bank 4</source>
        <translation>Exhaust gas recirculation (EGR) bank 4</translation>
    </message>
    <message>
        <source>Zmienne fazy rozrządu (VVT) Bank 1</source>
        <translation>Variable valve timing (VVT) bank 1</translation>
    </message>
    <message>
        <source>Zmienne fazy rozrządu (VVT) Bank 2</source>
        <translation>Variable valve timing (VVT) bank 2</translation>
    </message>
    <message>
        <source>Zmienne fazy rozrządu (VVT) Bank 3</source>
        <translation>Variable valve timing (VVT) bank 3</translation>
    </message>
    <message>
        <source>Zmienne fazy rozrządu (VVT) Bank 4</source>
        <translation>Variable valve timing (VVT) bank 4</translation>
    </message>
    <message>
        <source>EVAP - otwarty korek wlewu (0,150&quot;)</source>
        <translation>EVAP - filler cap off (0.150&quot;)</translation>
    </message>
    <message>
        <source>EVAP - nieszczelność 0,090&quot;</source>
        <translation>EVAP - 0.090&quot; leak</translation>
    </message>
    <message>
        <source>EVAP - nieszczelność 0,040&quot; (1 mm)</source>
        <translation>EVAP - 0.040&quot; leak (1 mm)</translation>
    </message>
    <message>
        <source>EVAP - nieszczelność 0,020&quot; (0,5 mm)</source>
        <translation>EVAP - 0.020&quot; leak (0.5 mm)</translation>
    </message>
    <message>
        <source>EVAP - przepływ oczyszczania (purge)</source>
        <translation>EVAP - purge flow</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B1S1</source>
        <translation>Oxygen sensor heater B1S1</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B1S2</source>
        <translation>Oxygen sensor heater B1S2</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B1S3</source>
        <translation>Oxygen sensor heater B1S3</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B1S4</source>
        <translation>Oxygen sensor heater B1S4</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B2S1</source>
        <translation>Oxygen sensor heater B2S1</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B2S2</source>
        <translation>Oxygen sensor heater B2S2</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B2S3</source>
        <translation>Oxygen sensor heater B2S3</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B2S4</source>
        <translation>Oxygen sensor heater B2S4</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B3S1</source>
        <translation>Oxygen sensor heater B3S1</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B3S2</source>
        <translation>Oxygen sensor heater B3S2</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B3S3</source>
        <translation>Oxygen sensor heater B3S3</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B3S4</source>
        <translation>Oxygen sensor heater B3S4</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B4S1</source>
        <translation>Oxygen sensor heater B4S1</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B4S2</source>
        <translation>Oxygen sensor heater B4S2</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B4S3</source>
        <translation>Oxygen sensor heater B4S3</translation>
    </message>
    <message>
        <source>Grzałka sondy lambda B4S4</source>
        <translation>Oxygen sensor heater B4S4</translation>
    </message>
    <message>
        <source>Podgrzewany katalizator Bank 1</source>
        <translation>Heated catalyst bank 1</translation>
    </message>
    <message>
        <source>Podgrzewany katalizator Bank 2</source>
        <translation>Heated catalyst bank 2</translation>
    </message>
    <message>
        <source>Podgrzewany katalizator Bank 3</source>
        <translation>Heated catalyst bank 3</translation>
    </message>
    <message>
        <source>Podgrzewany katalizator Bank 4</source>
        <translation>Heated catalyst bank 4</translation>
    </message>
    <message>
        <source>Powietrze wtórne 1</source>
        <translation>Secondary air 1</translation>
    </message>
    <message>
        <source>Powietrze wtórne 2</source>
        <translation>Secondary air 2</translation>
    </message>
    <message>
        <source>Powietrze wtórne 3</source>
        <translation>Secondary air 3</translation>
    </message>
    <message>
        <source>Powietrze wtórne 4</source>
        <translation>Secondary air 4</translation>
    </message>
    <message>
        <source>Układ paliwowy Bank 1</source>
        <translation>Fuel system bank 1</translation>
    </message>
    <message>
        <source>Układ paliwowy Bank 2</source>
        <translation>Fuel system bank 2</translation>
    </message>
    <message>
        <source>Układ paliwowy Bank 3</source>
        <translation>Fuel system bank 3</translation>
    </message>
    <message>
        <source>Układ paliwowy Bank 4</source>
        <translation>Fuel system bank 4</translation>
    </message>
    <message>
        <source>Ciśnienie doładowania Bank 1</source>
        <translation>Boost pressure bank 1</translation>
    </message>
    <message>
        <source>Ciśnienie doładowania Bank 2</source>
        <translation>Boost pressure bank 2</translation>
    </message>
    <message>
        <source>Pochłaniacz NOx Bank 1</source>
        <translation>NOx adsorber bank 1</translation>
    </message>
    <message>
        <source>Pochłaniacz NOx Bank 2</source>
        <translation>NOx adsorber bank 2</translation>
    </message>
    <message>
        <source>Katalizator NOx (SCR) Bank 1</source>
        <translation>NOx catalyst (SCR) bank 1</translation>
    </message>
    <message>
        <source>Katalizator NOx (SCR) Bank 2</source>
        <translation>NOx catalyst (SCR) bank 2</translation>
    </message>
    <message>
        <source>Wypadanie zapłonów - łącznie</source>
        <translation>Misfires - all cylinders together</translation>
    </message>
    <message>
        <source>Wypadanie zapłonów - cylinder 1</source>
        <translation>Misfires - cylinder 1</translation>
    </message>
    <message>
        <source>Wypadanie zapłonów - cylinder 2</source>
        <translation>Misfires - cylinder 2</translation>
    </message>
    <message>
        <source>Wypadanie zapłonów - cylinder 3</source>
        <translation>Misfires - cylinder 3</translation>
    </message>
    <message>
        <source>Wypadanie zapłonów - cylinder 4</source>
        <translation>Misfires - cylinder 4</translation>
    </message>
    <message>
        <source>Wypadanie zapłonów - cylinder 5</source>
        <translation>Misfires - cylinder 5</translation>
    </message>
    <message>
        <source>Wypadanie zapłonów - cylinder 6</source>
        <translation>Misfires - cylinder 6</translation>
    </message>
    <message>
        <source>Wypadanie zapłonów - cylinder 7</source>
        <translation>Misfires - cylinder 7</translation>
    </message>
    <message>
        <source>Wypadanie zapłonów - cylinder 8</source>
        <translation>Misfires - cylinder 8</translation>
    </message>
    <message>
        <source>Wypadanie zapłonów - cylinder 9</source>
        <translation>Misfires - cylinder 9</translation>
    </message>
    <message>
        <source>Wypadanie zapłonów - cylinder 10</source>
        <translation>Misfires - cylinder 10</translation>
    </message>
    <message>
        <source>Wypadanie zapłonów - cylinder 11</source>
        <translation>Misfires - cylinder 11</translation>
    </message>
    <message>
        <source>Wypadanie zapłonów - cylinder 12</source>
        <translation>Misfires - cylinder 12</translation>
    </message>
    <message>
        <source>Filtr cząstek stałych (DPF) Bank 1</source>
        <translation>Particulate filter (DPF) bank 1</translation>
    </message>
    <message>
        <source>Filtr cząstek stałych (DPF) Bank 2</source>
        <translation>Particulate filter (DPF) bank 2</translation>
    </message>
    <message>
        <source>Napięcie progowe bogata - uboga (stała)</source>
        <translation>Rich to lean threshold voltage (constant)</translation>
    </message>
    <message>
        <source>Napięcie progowe uboga - bogata (stała)</source>
        <translation>Lean to rich threshold voltage (constant)</translation>
    </message>
    <message>
        <source>Niskie napięcie do pomiaru czasu przełączania (stała)</source>
        <translation>Low voltage for the switch time (constant)</translation>
    </message>
    <message>
        <source>Wysokie napięcie do pomiaru czasu przełączania (stała)</source>
        <translation>High voltage for the switch time (constant)</translation>
    </message>
    <message>
        <source>Czas przełączania bogata - uboga</source>
        <translation>Rich to lean switch time</translation>
    </message>
    <message>
        <source>Czas przełączania uboga - bogata</source>
        <translation>Lean to rich switch time</translation>
    </message>
    <message>
        <source>Najniższe napięcie sondy w teście</source>
        <translation>Lowest sensor voltage in the test</translation>
    </message>
    <message>
        <source>Najwyższe napięcie sondy w teście</source>
        <translation>Highest sensor voltage in the test</translation>
    </message>
    <message>
        <source>Czas między przełączeniami sondy</source>
        <translation>Time between sensor transitions</translation>
    </message>
    <message>
        <source>Okres sygnału sondy</source>
        <translation>Sensor period</translation>
    </message>
    <message>
        <source>Średnia z 10 cykli jazdy (EWMA)</source>
        <translation>Average of the last 10 driving cycles (EWMA)</translation>
    </message>
    <message>
        <source>Ostatni lub bieżący cykl jazdy</source>
        <translation>Last or current driving cycle</translation>
    </message>
</context>
<context>
    <name>MonitorTestsTab</name>
    <message>
        <source>Cylinder</source>
        <translation>Cylinder</translation>
    </message>
    <message>
        <source>Średnio (10 cykli)</source>
        <translation>Average (10 cycles)</translation>
    </message>
    <message>
        <source>Ostatni cykl</source>
        <translation>Last cycle</translation>
    </message>
    <message>
        <source>Sterownik</source>
        <translation>ECU</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Maks.</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Jednostka</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Razem</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>MonitorTestsTabPage</name>
    <message>
        <source>   Testy monitorów   </source>
        <translation>   Monitor tests   </translation>
    </message>
    <message>
        <source>Wyniki testów, które sterowniki pojazdu wykonują same: zmierzona wartość, jej granice i ocena. Możesz dopasować szerokość kolumn według uznania.</source>
        <translation>Results of the tests the vehicle&apos;s control units run on themselves: the measured value, its limits and the verdict. You can adjust the column widths as you like.</translation>
    </message>
    <message>
        <source>  Wypadanie zapłonów  </source>
        <translation>  Misfires  </translation>
    </message>
    <message>
        <source>Wypadnięcia zapłonu w każdym cylindrze, jak liczy je sterownik silnika: średnio w ostatnich 10 cyklach jazdy i w ostatnim cyklu.</source>
        <translation>Misfires of each cylinder as the engine control unit counts them: the average of the last 10 driving cycles and the last cycle.</translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Wciśnij ten przycisk aby odczytać wyniki testów monitorów.</source>
        <translation>Press this button to read the monitor test results.</translation>
    </message>
</context>
<context>
    <name>MonitorsTabPage</name>
    <message>
        <source>   Monitory   </source>
        <translation>   Monitors   </translation>
    </message>
    <message>
        <source>  Monitory diagnostyczne - Ciagle  </source>
        <translation>  Diagnostic monitors - Continuous  </translation>
    </message>
    <message>
        <source>Status monitorów diagnostycznych monitorowanych ciągle.  Możesz dopasować szerokość kolumn według uznania.</source>
        <translation>Status of the continuously running diagnostic monitors.  You can adjust the column widths as you like.</translation>
    </message>
    <message>
        <source>  Monitory diagnostyczne - Nie ciagle  </source>
        <translation>  Diagnostic monitors - Non-continuous  </translation>
    </message>
    <message>
        <source>Status monitorów diagnostycznych monitorowanych okresowo. Możesz dopasować szerokość kolumn według uznania.</source>
        <translation>Status of the periodically running diagnostic monitors. You can adjust the column widths as you like.</translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Wciśnij ten przycisk aby odczytać stan monitorów diagnostycznych.</source>
        <translation>Press this button to read the state of the diagnostic monitors.</translation>
    </message>
</context>
<context>
    <name>PlotTabPage</name>
    <message>
        <source>  Wykres  </source>
        <translation>  Plot  </translation>
    </message>
    <message>
        <source>  Wybór parametrów do rysowania  </source>
        <translation>  Parameters to plot  </translation>
    </message>
    <message>
        <source>Ilość próbek:</source>
        <translation>Samples:</translation>
    </message>
    <message>
        <source>50</source>
        <translation>50</translation>
    </message>
    <message>
        <source>75</source>
        <translation>75</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>125</source>
        <translation>125</translation>
    </message>
    <message>
        <source>150</source>
        <translation>150</translation>
    </message>
    <message>
        <source>Prędkość odświeżania [ms]</source>
        <translation>Refresh interval [ms]</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>300</source>
        <translation>300</translation>
    </message>
    <message>
        <source>400</source>
        <translation>400</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>600</source>
        <translation>600</translation>
    </message>
    <message>
        <source>700</source>
        <translation>700</translation>
    </message>
    <message>
        <source>800</source>
        <translation>800</translation>
    </message>
    <message>
        <source>900</source>
        <translation>900</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>RecordsMenu</name>
    <message>
        <source>Otwórz log...</source>
        <translation>Open log...</translation>
    </message>
    <message>
        <source>Pokazuje zapisany log czujników na wykresie i w tabeli.</source>
        <translation>Shows a recorded sensor log on a chart and in a table.</translation>
    </message>
    <message>
        <source>Archiwum raportów...</source>
        <translation>Report archive...</translation>
    </message>
    <message>
        <source>Wydrukowane protokoły, od najnowszego.</source>
        <translation>The printed reports, newest first.</translation>
    </message>
    <message>
        <source>Otwórz log</source>
        <translation>Open log</translation>
    </message>
    <message>
        <source>Logi czujników (*.csv);;Wszystkie pliki (*)</source>
        <translation>Sensor logs (*.csv);;All files (*)</translation>
    </message>
</context>
<context>
    <name>ReportArchiveWindow</name>
    <message>
        <source>Archiwum raportów</source>
        <translation>Report archive</translation>
    </message>
    <message>
        <source>Katalog: %1</source>
        <translation>Folder: %1</translation>
    </message>
    <message>
        <source>Data wydruku</source>
        <translation>Printed</translation>
    </message>
    <message>
        <source>Nr rejestracyjny</source>
        <translation>Registration no.</translation>
    </message>
    <message>
        <source>Marka</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Plik</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Wydrukowane raporty</source>
        <translation>Printed reports</translation>
    </message>
    <message>
        <source>Raporty od najnowszego; dwuklik lub Enter pokazuje raport w podglądzie wydruku.</source>
        <translation>Reports, newest first; a double click or Enter shows a report in the print preview.</translation>
    </message>
    <message>
        <source>Podgląd</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Raportu %1 nie ma w spisie archiwum, więc podgląd wydruku go nie pokaże. Otworzyć plik PDF?</source>
        <translation>The report %1 is not in the archive&apos;s index, so the print preview cannot show it. Open the PDF file?</translation>
    </message>
    <message>
        <source>Raport %1</source>
        <translation>Report %1</translation>
    </message>
    <message>
        <source>Zapis raportu %1 w spisie archiwum jest niepełny, uszkodzony albo pochodzi z innej wersji programu, więc podgląd wydruku nie pokazałby go tak, jak go wydrukowano. Otworzyć plik PDF?</source>
        <translation>The entry of report %1 in the archive&apos;s index is incomplete, damaged or from another version of the program, so the print preview would not show it as it was printed. Open the PDF file?</translation>
    </message>
</context>
<context>
    <name>ReportArchiver</name>
    <message>
        <source>Nie można utworzyć katalogu archiwum raportów %1.</source>
        <translation>Cannot create the report archive folder %1.</translation>
    </message>
    <message>
        <source>Raport wydrukowano, ale nie zapisano go w archiwum.</source>
        <translation>The report was printed, but not saved in the archive.</translation>
    </message>
    <message>
        <source>Nie można przygotować pliku PDF raportu.</source>
        <translation>Cannot prepare the report&apos;s PDF file.</translation>
    </message>
    <message>
        <source>Pliku PDF nie udało się zapisać w całości w katalogu %1 - sprawdź, czy na dysku jest miejsce i czy katalog można zapisywać.</source>
        <translation>The PDF file could not be saved whole in the folder %1 - check that the disk has room and that the folder can be written to.</translation>
    </message>
    <message>
        <source>Spisu archiwum nie można uaktualnić, więc archiwum pokaże ten raport tylko jako plik PDF.</source>
        <translation>The archive&apos;s index cannot be updated, so the archive will show this report only as a PDF file.</translation>
    </message>
    <message>
        <source>Raport wydrukowano i zapisano w archiwum jako %1.</source>
        <translation>The report was printed and saved in the archive as %1.</translation>
    </message>
</context>
<context>
    <name>SensorTable</name>
    <message>
        <source>Status układu paliwowego 1/2</source>
        <translation>Fuel system status 1/2</translation>
    </message>
    <message>
        <source>Wartość obciążenia (wyliczona)</source>
        <translation>Calculated engine load value</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Temperatura płynu chłodzącego</source>
        <translation>Engine coolant temperature</translation>
    </message>
    <message>
        <source>st C</source>
        <translation>deg C</translation>
    </message>
    <message>
        <source>Krótkoterminowa korekta wtrysku Bank 1/3</source>
        <translation>Short term fuel trim Bank 1/3</translation>
    </message>
    <message>
        <source>Długoterminowa korekta wtrysku Bank 1/3</source>
        <translation>Long term fuel trim Bank 1/3</translation>
    </message>
    <message>
        <source>Krótkoterminowa korekta wtrysku Bank 2/4</source>
        <translation>Short term fuel trim Bank 2/4</translation>
    </message>
    <message>
        <source>Długoterminowa korekta wtrysku Bank 2/4</source>
        <translation>Long term fuel trim Bank 2/4</translation>
    </message>
    <message>
        <source>Ciśnienie paliwa</source>
        <translation>Fuel pressure</translation>
    </message>
    <message>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>Bezwzględne ciśnienie w kolektorze dolotowym</source>
        <translation>Intake manifold absolute pressure</translation>
    </message>
    <message>
        <source>Prędkość obrotowa silnika</source>
        <translation>Engine speed</translation>
    </message>
    <message>
        <source>obr/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Prędkość pojazdu</source>
        <translation>Vehicle speed</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Kąt wyprzedzenia zapłonu</source>
        <translation>Ignition timing advance</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>Temp. zasysanego powietrza</source>
        <translation>Intake air temperature</translation>
    </message>
    <message>
        <source>Przepływ powietrza (czujnik MAF)</source>
        <translation>Air flow rate (MAF sensor)</translation>
    </message>
    <message>
        <source>mg/s</source>
        <translation>mg/s</translation>
    </message>
    <message>
        <source>Kąt otwarcia przepustnicy (TPS)</source>
        <translation>Throttle position (TPS)</translation>
    </message>
    <message>
        <source>Stan systemu powietrza wtórnego</source>
        <translation>Secondary air status</translation>
    </message>
    <message>
        <source>Lokalizacja czujników tlenu (Bank 1-2, czujnik 1-4)</source>
        <translation>Oxygen sensors present (Bank 1-2, sensor 1-4)</translation>
    </message>
    <message>
        <source>Napięcie czujnika tlenu Bank 1 Czujnik 1 / korekta wtrysku</source>
        <translation>Oxygen sensor voltage Bank 1 Sensor 1 / fuel trim</translation>
    </message>
    <message>
        <source>V / %</source>
        <translation>V / %</translation>
    </message>
    <message>
        <source>Napięcie czujnika tlenu Bank 1 Czujnik 2 / korekta wtrysku</source>
        <translation>Oxygen sensor voltage Bank 1 Sensor 2 / fuel trim</translation>
    </message>
    <message>
        <source>Napięcie czujnika tlenu Bank 1 Czujnik 3 / korekta wtrysku</source>
        <translation>Oxygen sensor voltage Bank 1 Sensor 3 / fuel trim</translation>
    </message>
    <message>
        <source>Napięcie czujnika tlenu Bank 1 Czujnik 4 / korekta wtrysku</source>
        <translation>Oxygen sensor voltage Bank 1 Sensor 4 / fuel trim</translation>
    </message>
    <message>
        <source>Napięcie czujnika tlenu Bank 2 Czujnik 1 / korekta wtrysku</source>
        <translation>Oxygen sensor voltage Bank 2 Sensor 1 / fuel trim</translation>
    </message>
    <message>
        <source>Napięcie czujnika tlenu Bank 2 Czujnik 2 / korekta wtrysku</source>
        <translation>Oxygen sensor voltage Bank 2 Sensor 2 / fuel trim</translation>
    </message>
    <message>
        <source>Napięcie czujnika tlenu Bank 2 Czujnik 3 / korekta wtrysku</source>
        <translation>Oxygen sensor voltage Bank 2 Sensor 3 / fuel trim</translation>
    </message>
    <message>
        <source>Napięcie czujnika tlenu Bank 2 Czujnik 4 / korekta wtrysku</source>
        <translation>Oxygen sensor voltage Bank 2 Sensor 4 / fuel trim</translation>
    </message>
    <message>
        <source>Standard OBDII</source>
        <translation>OBD standard</translation>
    </message>
    <message>
        <source>Lokalizacja czujników tlenu (Bank 1-4, czujnik 1-2)</source>
        <translation>Oxygen sensors present (Bank 1-4, sensor 1-2)</translation>
    </message>
    <message>
        <source>Status urządzenia odbioru mocy</source>
        <translation>Power take-off status</translation>
    </message>
    <message>
        <source>Czas pracy silnika</source>
        <translation>Run time since engine start</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Dystans od zapalenia MIL</source>
        <translation>Distance travelled with MIL on</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Względne ciśnienie paliwa</source>
        <translation>Fuel rail pressure relative to manifold vacuum</translation>
    </message>
    <message>
        <source>Ciśnienie paliwa (diesel)</source>
        <translation>Fuel rail pressure (diesel)</translation>
    </message>
    <message>
        <source>Czujnik O2 Bank 1 Czujnik 1 [WR]</source>
        <translation>O2 sensor Bank 1 Sensor 1 [WR]</translation>
    </message>
    <message>
        <source>lambda / V</source>
        <translation>lambda / V</translation>
    </message>
    <message>
        <source>Czujnik O2 Bank 1 Czujnik 2 [WR]</source>
        <translation>O2 sensor Bank 1 Sensor 2 [WR]</translation>
    </message>
    <message>
        <source>Czujnik O2 Bank 1 Czujnik 3 [WR]</source>
        <translation>O2 sensor Bank 1 Sensor 3 [WR]</translation>
    </message>
    <message>
        <source>Czujnik O2 Bank 1 Czujnik 4 [WR]</source>
        <translation>O2 sensor Bank 1 Sensor 4 [WR]</translation>
    </message>
    <message>
        <source>Czujnik O2 Bank 2 Czujnik 1 [WR]</source>
        <translation>O2 sensor Bank 2 Sensor 1 [WR]</translation>
    </message>
    <message>
        <source>Czujnik O2 Bank 2 Czujnik 2 [WR]</source>
        <translation>O2 sensor Bank 2 Sensor 2 [WR]</translation>
    </message>
    <message>
        <source>Czujnik O2 Bank 2 Czujnik 3 [WR]</source>
        <translation>O2 sensor Bank 2 Sensor 3 [WR]</translation>
    </message>
    <message>
        <source>Czujnik O2 Bank 2 Czujnik 4 [WR]</source>
        <translation>O2 sensor Bank 2 Sensor 4 [WR]</translation>
    </message>
    <message>
        <source>Zadana wartość wysterowania zaworu EGR</source>
        <translation>Commanded EGR</translation>
    </message>
    <message>
        <source>Błąd wysterowania zaworu EGR</source>
        <translation>EGR error</translation>
    </message>
    <message>
        <source>Zadana wartość wysterowania zaworu EVAP</source>
        <translation>Commanded evaporative purge</translation>
    </message>
    <message>
        <source>Poziom paliwa</source>
        <translation>Fuel level input</translation>
    </message>
    <message>
        <source>Ilość uruchomień silnika od kasowania błędów</source>
        <translation>Warm-ups since codes cleared</translation>
    </message>
    <message>
        <source>Dystans od momentu kasowania błędów</source>
        <translation>Distance travelled since codes cleared</translation>
    </message>
    <message>
        <source>Ciśnienie w układzie EVAP</source>
        <translation>Evaporative system vapour pressure</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>Ciśnienie atmosferyczne</source>
        <translation>Barometric pressure</translation>
    </message>
    <message>
        <source>lambda / mA</source>
        <translation>lambda / mA</translation>
    </message>
    <message>
        <source>Czujnik O2 Bank 3 Czujnik 1 [WR]</source>
        <translation>O2 sensor Bank 3 Sensor 1 [WR]</translation>
    </message>
    <message>
        <source>Czujnik O2 Bank 3 Czujnik 2 [WR]</source>
        <translation>O2 sensor Bank 3 Sensor 2 [WR]</translation>
    </message>
    <message>
        <source>Czujnik O2 Bank 4 Czujnik 1 [WR]</source>
        <translation>O2 sensor Bank 4 Sensor 1 [WR]</translation>
    </message>
    <message>
        <source>Czujnik O2 Bank 4 Czujnik 2 [WR]</source>
        <translation>O2 sensor Bank 4 Sensor 2 [WR]</translation>
    </message>
    <message>
        <source>Temp. Katalizatora Bank 1 Czujnik 1</source>
        <translation>Catalyst temperature Bank 1 Sensor 1</translation>
    </message>
    <message>
        <source>Temp. Katalizatora Bank 2 Czujnik 1</source>
        <translation>Catalyst temperature Bank 2 Sensor 1</translation>
    </message>
    <message>
        <source>Temp. Katalizatora Bank 1 Czujnik 2</source>
        <translation>Catalyst temperature Bank 1 Sensor 2</translation>
    </message>
    <message>
        <source>Temp. Katalizatora Bank 2 Czujnik 2</source>
        <translation>Catalyst temperature Bank 2 Sensor 2</translation>
    </message>
    <message>
        <source>Napięcie zasilania ECU</source>
        <translation>Control module voltage</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Bezwzględna wartość obciążenia</source>
        <translation>Absolute load value</translation>
    </message>
    <message>
        <source>Zadana wartość współczynnika lambda</source>
        <translation>Commanded equivalence ratio (lambda)</translation>
    </message>
    <message>
        <source>Względne położenie przepustnicy (TPS)</source>
        <translation>Relative throttle position (TPS)</translation>
    </message>
    <message>
        <source>Temperatura powietrza (otoczenia)</source>
        <translation>Ambient air temperature</translation>
    </message>
    <message>
        <source>Bezwzględne położenie przepustnicy B</source>
        <translation>Absolute throttle position B</translation>
    </message>
    <message>
        <source>Bezwzględne położenie przepustnicy C</source>
        <translation>Absolute throttle position C</translation>
    </message>
    <message>
        <source>Bezwzględne położenie przepustnicy D</source>
        <translation>Absolute throttle position D</translation>
    </message>
    <message>
        <source>Bezwzględne położenie przepustnicy E</source>
        <translation>Absolute throttle position E</translation>
    </message>
    <message>
        <source>Bezwzględne położenie przepustnicy F</source>
        <translation>Absolute throttle position F</translation>
    </message>
    <message>
        <source>Zadane wysterowanie elektronicznej przepustnicy</source>
        <translation>Commanded throttle actuator</translation>
    </message>
    <message>
        <source>Czas od zapalenia się MIL</source>
        <translation>Time run with MIL on</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Czas od kasowania kodów błędów</source>
        <translation>Time since codes cleared</translation>
    </message>
    <message>
        <source>Zakresy: lambda / napięcie O2 / prąd O2 / MAP</source>
        <translation>Spans: lambda / O2 voltage / O2 current / MAP</translation>
    </message>
    <message>
        <source>lambda / V / mA / kPa</source>
        <translation>lambda / V / mA / kPa</translation>
    </message>
    <message>
        <source>Maksymalny przepływ powietrza (czujnik MAF)</source>
        <translation>Maximum air flow rate (MAF sensor)</translation>
    </message>
    <message>
        <source>g/s</source>
        <translation>g/s</translation>
    </message>
    <message>
        <source>Rodzaj paliwa</source>
        <translation>Fuel type</translation>
    </message>
    <message>
        <source>Zawartość etanolu w paliwie</source>
        <translation>Ethanol fuel content</translation>
    </message>
    <message>
        <source>Bezwzględne ciśnienie w układzie EVAP</source>
        <translation>Absolute evaporative system vapour pressure</translation>
    </message>
    <message>
        <source>Ciśnienie w układzie EVAP (szeroki zakres)</source>
        <translation>Evaporative system vapour pressure (wide range)</translation>
    </message>
    <message>
        <source>Krótkoterminowa korekta sondy wtórnej Bank 1/3</source>
        <translation>Short term secondary O2 sensor trim Bank 1/3</translation>
    </message>
    <message>
        <source>Długoterminowa korekta sondy wtórnej Bank 1/3</source>
        <translation>Long term secondary O2 sensor trim Bank 1/3</translation>
    </message>
    <message>
        <source>Krótkoterminowa korekta sondy wtórnej Bank 2/4</source>
        <translation>Short term secondary O2 sensor trim Bank 2/4</translation>
    </message>
    <message>
        <source>Długoterminowa korekta sondy wtórnej Bank 2/4</source>
        <translation>Long term secondary O2 sensor trim Bank 2/4</translation>
    </message>
    <message>
        <source>Bezwzględne ciśnienie paliwa w listwie</source>
        <translation>Fuel rail absolute pressure</translation>
    </message>
    <message>
        <source>Względne położenie pedału przyspieszenia</source>
        <translation>Relative accelerator pedal position</translation>
    </message>
    <message>
        <source>Pozostała żywotność akumulatora hybrydowego</source>
        <translation>Hybrid battery pack remaining life</translation>
    </message>
    <message>
        <source>Temperatura oleju silnikowego</source>
        <translation>Engine oil temperature</translation>
    </message>
    <message>
        <source>Kąt wtrysku paliwa</source>
        <translation>Fuel injection timing</translation>
    </message>
    <message>
        <source>Chwilowe zużycie paliwa</source>
        <translation>Engine fuel rate</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>Moment obrotowy żądany przez kierowcę</source>
        <translation>Driver&apos;s demand engine torque</translation>
    </message>
    <message>
        <source>Rzeczywisty moment obrotowy silnika</source>
        <translation>Actual engine torque</translation>
    </message>
    <message>
        <source>Moment obrotowy odniesienia silnika</source>
        <translation>Engine reference torque</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>Moment silnika: bieg jałowy / punkty 1-4</source>
        <translation>Engine torque: idle / points 1-4</translation>
    </message>
    <message>
        <source>Przepływ powietrza: czujnik A / czujnik B</source>
        <translation>Mass air flow: sensor A / sensor B</translation>
    </message>
    <message>
        <source>Temp. płynu chłodzącego: czujnik 1 / 2</source>
        <translation>Coolant temp.: sensor 1 / 2</translation>
    </message>
    <message>
        <source>Temperatura spalin Bank 1: czujniki 1-4</source>
        <translation>Exhaust gas temperature Bank 1: sensors 1-4</translation>
    </message>
    <message>
        <source>Temperatura spalin Bank 2: czujniki 1-4</source>
        <translation>Exhaust gas temperature Bank 2: sensors 1-4</translation>
    </message>
    <message>
        <source>Temp. DPF: B1 wlot / wylot, B2 wlot / wylot</source>
        <translation>DPF temp.: B1 inlet / outlet, B2 inlet / outlet</translation>
    </message>
    <message>
        <source>Czas pracy: całkowity / bieg jałowy / PTO</source>
        <translation>Run time: total / idle / PTO</translation>
    </message>
    <message>
        <source>Temperatura powierzchni kolektora</source>
        <translation>Manifold surface temperature</translation>
    </message>
    <message>
        <source>Położenie przepustnicy G</source>
        <translation>Throttle position G</translation>
    </message>
    <message>
        <source>Moment tarcia wewnętrznego silnika</source>
        <translation>Engine friction torque</translation>
    </message>
    <message>
        <source>Zużycie paliwa: silnik / pojazd</source>
        <translation>Fuel rate: engine / vehicle</translation>
    </message>
    <message>
        <source>Przepływ spalin</source>
        <translation>Exhaust gas flow rate</translation>
    </message>
    <message>
        <source>kg/h</source>
        <translation>kg/h</translation>
    </message>
    <message>
        <source>Dawka paliwa na cylinder</source>
        <translation>Cylinder fuel rate</translation>
    </message>
    <message>
        <source>mg/suw</source>
        <translation>mg/stroke</translation>
    </message>
    <message>
        <source>Przebieg (licznik kilometrów)</source>
        <translation>Odometer</translation>
    </message>
    <message>
        <source>Nieopisany parametr - surowe bajty</source>
        <translation>Undescribed parameter - raw bytes</translation>
    </message>
    <message>
        <source>hex</source>
        <translation>hex</translation>
    </message>
    <message>
        <source>Brak danych</source>
        <translation>Not available</translation>
    </message>
    <message>
        <source>Benzyna</source>
        <translation>Petrol</translation>
    </message>
    <message>
        <source>Metanol</source>
        <translation>Methanol</translation>
    </message>
    <message>
        <source>Etanol</source>
        <translation>Ethanol</translation>
    </message>
    <message>
        <source>Olej napędowy</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <source>LPG</source>
        <translation>LPG</translation>
    </message>
    <message>
        <source>CNG</source>
        <translation>CNG</translation>
    </message>
    <message>
        <source>Propan</source>
        <translation>Propane</translation>
    </message>
    <message>
        <source>Elektryczny</source>
        <translation>Electric</translation>
    </message>
    <message>
        <source>Dwupaliwowy - benzyna</source>
        <translation>Bi-fuel - petrol</translation>
    </message>
    <message>
        <source>Dwupaliwowy - metanol</source>
        <translation>Bi-fuel - methanol</translation>
    </message>
    <message>
        <source>Dwupaliwowy - etanol</source>
        <translation>Bi-fuel - ethanol</translation>
    </message>
    <message>
        <source>Dwupaliwowy - LPG</source>
        <translation>Bi-fuel - LPG</translation>
    </message>
    <message>
        <source>Dwupaliwowy - CNG</source>
        <translation>Bi-fuel - CNG</translation>
    </message>
    <message>
        <source>Dwupaliwowy - propan</source>
        <translation>Bi-fuel - propane</translation>
    </message>
    <message>
        <source>Dwupaliwowy - elektryczny</source>
        <translation>Bi-fuel - electric</translation>
    </message>
    <message>
        <source>Dwupaliwowy - elektryczny i spalinowy</source>
        <translation>Bi-fuel - electric and combustion engine</translation>
    </message>
    <message>
        <source>Hybryda - benzyna</source>
        <translation>Hybrid - petrol</translation>
    </message>
    <message>
        <source>Hybryda - etanol</source>
        <translation>Hybrid - ethanol</translation>
    </message>
    <message>
        <source>Hybryda - olej napędowy</source>
        <translation>Hybrid - diesel</translation>
    </message>
    <message>
        <source>Hybryda - elektryczny</source>
        <translation>Hybrid - electric</translation>
    </message>
    <message>
        <source>Hybryda - elektryczny i spalinowy</source>
        <translation>Hybrid - electric and combustion engine</translation>
    </message>
    <message>
        <source>Hybryda - odzysk energii</source>
        <translation>Hybrid - regenerative</translation>
    </message>
    <message>
        <source>Dwupaliwowy - olej napędowy</source>
        <translation>Bi-fuel - diesel</translation>
    </message>
    <message>
        <source>Nieznany (%1)</source>
        <translation>Unknown (%1)</translation>
    </message>
    <message>
        <source>Temp. powietrza dolotowego: B1 1-3 / B2 1-3</source>
        <translation>Intake air temp.: B1 1-3 / B2 1-3</translation>
    </message>
    <message>
        <source>Temp. za intercoolerem: B1 1-2 / B2 1-2</source>
        <translation>Charge air cooler temp.: B1 1-2 / B2 1-2</translation>
    </message>
    <message>
        <source>Ciśnienie w kolektorze: czujnik A / czujnik B</source>
        <translation>Manifold pressure: sensor A / sensor B</translation>
    </message>
</context>
<context>
    <name>SensorsTabPage</name>
    <message>
        <source>  Dane z czujników  </source>
        <translation>  Sensor data  </translation>
    </message>
    <message>
        <source>Dane odczytywane z czujników. Klikając checkboxy po lewej stronie możesz wyłączyć czujniki których nie potrzebujesz oglądać, dzięki czemu pozostałe będą odczytywane szybciej. </source>
        <translation>Data read from the sensors. Clear the check boxes on the left to switch off the sensors you do not need to watch, so that the others are read faster. </translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Wciśnij ten przycisk aby rozpocząć lub zatrzymać odczytywanie czujników.</source>
        <translation>Press this button to start or stop reading the sensors.</translation>
    </message>
    <message>
        <source>Zapis do pliku</source>
        <translation>Log to file</translation>
    </message>
    <message>
        <source>Wszystkie</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Wciśnij ten przycisk aby włączyć wszystkie czujniki - zaznaczyc wszystkie checkboxy po lewej stronie.</source>
        <translation>Press this button to switch on all sensors - tick every check box on the left.</translation>
    </message>
    <message>
        <source>Żaden</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Wciśnij ten przycisk aby wyłączyć wszystkie czujniki - wyczyścić wszystkie checkboxy po lewej stronie.</source>
        <translation>Press this button to switch off all sensors - clear every check box on the left.</translation>
    </message>
    <message>
        <source>Odwróć zaznaczenie</source>
        <translation>Invert selection</translation>
    </message>
    <message>
        <source>Wciśnij ten przycisk aby odwrócić włączone czujniki. Czujniki włączona zostaną wyłączone.</source>
        <translation>Press this button to invert the sensor selection. Sensors switched on will be switched off.</translation>
    </message>
    <message>
        <source>Zaznacz ten checkbox aby zobaczyć listę wszystkich czujników, włącznie z tymi które nie odpowiadają w podłączonym samochodzie.</source>
        <translation>Tick this check box to list all sensors, including those that do not answer in the connected car.</translation>
    </message>
    <message>
        <source>Pokaż</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>nieobsługiwane</source>
        <translation>unsupported</translation>
    </message>
    <message>
        <source>Wykryj</source>
        <translation>Detect</translation>
    </message>
    <message>
        <source>Kliknij ten przycisk, aby wymusić rzeczywiste sprawdzenie, które czujniki działają w podłączonym samochodzie.</source>
        <translation>Click this button to check again which sensors work in the connected car.</translation>
    </message>
</context>
<context>
    <name>SetupAdapterGroup</name>
    <message>
        <source>  Interfejs  </source>
        <translation>  Interface  </translation>
    </message>
    <message>
        <source>Symulator</source>
        <translation>Simulator</translation>
    </message>
    <message>
        <source>ELM327</source>
        <translation>ELM327</translation>
    </message>
    <message>
        <source>ELM327 Wi-Fi</source>
        <translation>ELM327 Wi-Fi</translation>
    </message>
    <message>
        <source>Symulator pojazdu lub interfejs zgodny z ELM327 podłączony do portu szeregowego albo przez sieć Wi-Fi.</source>
        <translation>Vehicle simulator or an ELM327-compatible adapter on a serial port or on Wi-Fi.</translation>
    </message>
    <message>
        <source>Interfejs:</source>
        <translation>Interface:</translation>
    </message>
    <message>
        <source>Nazwa portu interfejsu, np. /dev/ttyUSB0 lub /dev/rfcomm0.</source>
        <translation>The name of the interface port, e.g. /dev/ttyUSB0 or /dev/rfcomm0.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Automatycznie</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Prędkość portu szeregowego interfejsu (zwykle 38400); &quot;Automatycznie&quot; wyszukuje ją przy każdym połączeniu.</source>
        <translation>Speed of the adapter&apos;s serial port (usually 38400); &quot;Automatic&quot; searches for it at every connection.</translation>
    </message>
    <message>
        <source>Prędkość:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Adres interfejsu Wi-Fi w jego sieci (zwykle 192.168.0.10).</source>
        <translation>Address of the Wi-Fi adapter in its network (usually 192.168.0.10).</translation>
    </message>
    <message>
        <source>Adres Wi-Fi:</source>
        <translation>Wi-Fi address:</translation>
    </message>
    <message>
        <source>Port TCP interfejsu Wi-Fi (zwykle 35000).</source>
        <translation>TCP port of the Wi-Fi adapter (usually 35000).</translation>
    </message>
    <message>
        <source>Port TCP:</source>
        <translation>TCP port:</translation>
    </message>
</context>
<context>
    <name>SetupArchivePage</name>
    <message>
        <source>  Archiwum wydrukowanych raportów  </source>
        <translation>  Archive of printed reports  </translation>
    </message>
    <message>
        <source>katalog &quot;raporty&quot; w katalogu logów</source>
        <translation>folder &quot;raporty&quot; in the log folder</translation>
    </message>
    <message>
        <source>Katalog archiwum raportów</source>
        <translation>Report archive folder</translation>
    </message>
    <message>
        <source>Każdy wydrukowany raport jest zapisywany w tym katalogu jako plik PDF.</source>
        <translation>Every printed report is saved in this folder as a PDF file.</translation>
    </message>
    <message>
        <source>Przeglądaj</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Domyślny</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Raporty w katalogu &quot;raporty&quot; w katalogu logów.</source>
        <translation>Reports in the folder &quot;raporty&quot; in the log folder.</translation>
    </message>
    <message>
        <source>Raporty są zapisywane jako RRRR-MM-DD_GGMM_NUMER-REJESTRACYJNY.pdf i nigdy nie zastępują wcześniejszych.</source>
        <translation>Reports are saved as YYYY-MM-DD_HHMM_REGISTRATION-NUMBER.pdf and never replace earlier ones.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>O Programie</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Urządzenia do diagnostyki samochodowej </source>
        <translation>Automotive diagnostic equipment </translation>
    </message>
    <message>
        <source>Korvath Diag </source>
        <translation>Korvath Diag </translation>
    </message>
    <message>
        <source>Program do diagnostyki OBDII</source>
        <translation>OBDII diagnostic program</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFormRaport</name>
    <message>
        <source>Wydruk protokołu komputerowej diagnostyki pojazdu</source>
        <translation>Printing the vehicle computer diagnostics report</translation>
    </message>
    <message>
        <source>  Dane pojazdu  </source>
        <translation>  Vehicle data  </translation>
    </message>
    <message>
        <source>Marka:</source>
        <translation>Make:</translation>
    </message>
    <message>
        <source>Typ i model:</source>
        <translation>Type and model:</translation>
    </message>
    <message>
        <source>Nr rejestracyjny:</source>
        <translation>Registration no.:</translation>
    </message>
    <message>
        <source>Przebieg:</source>
        <translation>Mileage:</translation>
    </message>
    <message>
        <source>VIN:</source>
        <translation>VIN:</translation>
    </message>
    <message>
        <source>Numer silnika:</source>
        <translation>Engine number:</translation>
    </message>
    <message>
        <source>  Uwagi  </source>
        <translation>  Remarks  </translation>
    </message>
    <message>
        <source>Drukuj protokół</source>
        <translation>Print report</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Podgląd</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Nie można rozpocząć wydruku na wybranej drukarce.</source>
        <translation>Cannot start printing on the chosen printer.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać całego pliku %1 - sprawdź, czy na dysku jest miejsce.</source>
        <translation>The file %1 could not be written whole - check that the disk has room.</translation>
    </message>
    <message>
        <source>Dołącz dane sterowników</source>
        <translation>Include control unit data</translation>
    </message>
    <message>
        <source>Drukuje na drugiej stronie dane sterowników: nazwy, kalibracje, kody stałe, napięcie akumulatora i wskaźniki wykonania monitorów.</source>
        <translation>Prints the control unit data on a second page: names, calibrations, permanent codes, battery voltage and monitor completion ratios.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Plik</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Zakończ</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ustawienia</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>O programie</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Debug log:</source>
        <translation>Debug log:</translation>
    </message>
    <message>
        <source>Główna</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Główny ekran programu.</source>
        <translation>Main screen of the program.</translation>
    </message>
    <message>
        <source>Kody błędów</source>
        <translation>Trouble codes</translation>
    </message>
    <message>
        <source>Odczytywanie i kasowanie kodów błędów</source>
        <translation>Reading and clearing trouble codes</translation>
    </message>
    <message>
        <source>Zamrożone ramki</source>
        <translation>Freeze frame</translation>
    </message>
    <message>
        <source>Odczytywanie zamrożonych ramek.</source>
        <translation>Reading the freeze frame.</translation>
    </message>
    <message>
        <source>Czujniki</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>Monitorowanie czujników</source>
        <translation>Sensor monitoring</translation>
    </message>
    <message>
        <source>Monitory</source>
        <translation>Monitors</translation>
    </message>
    <message>
        <source>Odczyt stanu monitorów diagnostycznych.</source>
        <translation>Reading the state of the diagnostic monitors.</translation>
    </message>
    <message>
        <source>Wykresy</source>
        <translation>Plots</translation>
    </message>
    <message>
        <source>Przyspieszenie</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>Hamownia</source>
        <translation>Dyno</translation>
    </message>
    <message>
        <source>DebugLog</source>
        <translation>DebugLog</translation>
    </message>
    <message>
        <source>Sterowniki</source>
        <translation>Control units</translation>
    </message>
    <message>
        <source>Dane sterowników: nazwy, kalibracje, wskaźniki wykonania monitorów, kody stałe, napięcie akumulatora.</source>
        <translation>Control unit data: names, calibrations, monitor completion ratios, permanent codes, battery voltage.</translation>
    </message>
    <message>
        <source>Testy monitorów</source>
        <translation>Monitor tests</translation>
    </message>
    <message>
        <source>Wyniki testów wykonywanych przez sterowniki pojazdu (tryb 06).</source>
        <translation>Results of the tests the vehicle&apos;s control units run (mode 06).</translation>
    </message>
</context>
<context>
    <name>TSetupForm</name>
    <message>
        <source>Konfiguracja</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Ogólne</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Dane warsztatu</source>
        <translation>Workshop data</translation>
    </message>
    <message>
        <source>  Wybór portu  szeregowego   </source>
        <translation>  Serial  port   </translation>
    </message>
    <message>
        <source>  Wybór katalogu na logi   </source>
        <translation>  Log folder   </translation>
    </message>
    <message>
        <source>Wybierz katalog do którego będą zapisywane pliki z danymi z czujników.</source>
        <translation>Choose the folder the sensor data files are written to.</translation>
    </message>
    <message>
        <source>Przeglądaj</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>  Nazwa i adres warsztatu  </source>
        <translation>  Workshop name and address  </translation>
    </message>
    <message>
        <source>Nazwa:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Adres:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zapisz ustawienia</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Raporty</source>
        <translation>Reports</translation>
    </message>
</context>
<context>
    <name>TWaitForm</name>
    <message>
        <source>Tworzenie raportu...</source>
        <translation>Creating the report...</translation>
    </message>
    <message>
        <source>Trwa generowanie raportu.</source>
        <translation>The report is being generated.</translation>
    </message>
    <message>
        <source>Czekaj...</source>
        <translation>Please wait...</translation>
    </message>
</context>
<context>
    <name>UnitScaling</name>
    <message>
        <source>obr/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Ω</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>kΩ</source>
        <translation>kΩ</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>lambda</source>
        <translation>lambda</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>szt.</source>
        <translation>counts</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>g/s</source>
        <translation>g/s</translation>
    </message>
    <message>
        <source>Pa/s</source>
        <translation>Pa/s</translation>
    </message>
    <message>
        <source>kg/h</source>
        <translation>kg/h</translation>
    </message>
    <message>
        <source>g/cyl.</source>
        <translation>g/cyl.</translation>
    </message>
    <message>
        <source>mg/suw</source>
        <translation>mg/stroke</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>l</source>
        <translation>L</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>µs</source>
        <translation>µs</translation>
    </message>
    <message>
        <source>mV/s</source>
        <translation>mV/s</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
</context>
<context>
    <name>UnitsTab</name>
    <message>
        <source>Identyfikator kalibracji (CAL ID)</source>
        <translation>Calibration ID (CAL ID)</translation>
    </message>
    <message>
        <source>CVN</source>
        <translation>CVN</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Assessment</translation>
    </message>
    <message>
        <source>Sterownik</source>
        <translation>Control unit</translation>
    </message>
    <message>
        <source>Nie udało się odczytać danych sterowników.</source>
        <translation>Could not read the control unit data.</translation>
    </message>
</context>
<context>
    <name>UnitsTabPage</name>
    <message>
        <source>  Sterowniki  </source>
        <translation>  Control units  </translation>
    </message>
    <message>
        <source>Sterowniki</source>
        <translation>Control units</translation>
    </message>
    <message>
        <source>Sterowniki, które odpowiedziały; wybierz jeden, aby zobaczyć jego dane.</source>
        <translation>The control units that answered; choose one to see its data.</translation>
    </message>
    <message>
        <source>  Napięcie akumulatora  </source>
        <translation>  Battery voltage  </translation>
    </message>
    <message>
        <source>Napięcie na złączu diagnostycznym, zmierzone przez interfejs.</source>
        <translation>The voltage at the diagnostic socket, as measured by the interface.</translation>
    </message>
    <message>
        <source>Odśwież</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Wciśnij ten przycisk aby zmierzyć napięcie akumulatora ponownie.</source>
        <translation>Press this button to measure the battery voltage again.</translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Wciśnij ten przycisk aby odczytać dane wszystkich sterowników.</source>
        <translation>Press this button to read the data of all control units.</translation>
    </message>
    <message>
        <source>  Sterownik  </source>
        <translation>  Control unit  </translation>
    </message>
    <message>
        <source>Nazwa:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Nazwa sterownika, którą sam podaje</source>
        <translation>The control unit&apos;s name, as it gives it</translation>
    </message>
    <message>
        <source>Adres:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Adres sterownika</source>
        <translation>The control unit&apos;s address</translation>
    </message>
    <message>
        <source>Obsługiwane InfoType:</source>
        <translation>Supported InfoTypes:</translation>
    </message>
    <message>
        <source>Informacje o pojeździe (usługa 09), które sterownik obsługuje</source>
        <translation>The vehicle information (service 09) the control unit supports</translation>
    </message>
    <message>
        <source>  Kalibracje  </source>
        <translation>  Calibrations  </translation>
    </message>
    <message>
        <source>Identyfikatory kalibracji sterownika i ich numery weryfikacyjne (CVN).</source>
        <translation>The control unit&apos;s calibration IDs and their verification numbers (CVN).</translation>
    </message>
    <message>
        <source>  Wskaźniki wykonania monitorów  </source>
        <translation>  Monitor completion ratios  </translation>
    </message>
    <message>
        <source>Ile razy każdy monitor zakończył test, wobec tego ile razy pojazd jeździł w warunkach, których test wymaga.</source>
        <translation>How many times each monitor has completed its test, against how many times the car was driven in the conditions the test needs.</translation>
    </message>
    <message>
        <source>  Kody stałe  </source>
        <translation>  Permanent codes  </translation>
    </message>
    <message>
        <source>Kody stałe wszystkich sterowników: kasuje je tylko sam sterownik, gdy jego monitor znów przejdzie test, nigdy kasowanie kodów błędów.</source>
        <translation>The permanent codes of all control units: only the unit itself clears them, once its monitor passes its test again, never the clearing of the trouble codes.</translation>
    </message>
</context>
</TS>
