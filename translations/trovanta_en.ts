<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FieldReader</name>
    <message>
        <source>la valeur doit être supérieure à 0.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>la valeur ne peut pas être négative.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 est trop grand.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 : %2</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>GearDialogs</name>
    <message>
        <source>Werte für Trovanta öffnen ...</source>
        <translation>Open values for Trovanta ...</translation>
    </message>
    <message>
        <source>Werte speichern ...</source>
        <translation>Save values ...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Gleitkommadivision durch Null</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Ungültige Gleitkommaoperation</source>
        <translation>Invalid calculation</translation>
    </message>
    <message>
        <source>Gleitkommaüberlauf</source>
        <translation>Calculation overflow</translation>
    </message>
    <message>
        <source>'%s' ist kein gültiger Integerwert</source>
        <translation>'%s' is not a valid whole number</translation>
    </message>
    <message>
        <source>'%s' ist kein gültiger Gleitkommawert</source>
        <translation>'%s' is not a valid decimal number</translation>
    </message>
    <message>
        <source>Division durch 0.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Der Achsabstand dieser Kette lässt sich nicht bestimmen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Verkürzung</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Verlängerung</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>hinten</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>vorne</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Es ist entweder eine %1 der Kette um %2 Glied(er) nötig, oder eine </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Verschiebung des Kettenrades um %3 mm nach %4. </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Bei einer %1 der Kette um %2 ist eine Verschiebung des </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kettenrades um %3 mm nach %4 nötig.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%2 Glied</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%2 Glieder</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pas assez de points en prise : 10 au moins dans un rapport.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Aucune colonne de régime et de couple ou de puissance dans ce fichier.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Unité inconnue dans ce fichier : « %s ».</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Aucune courbe de couple dans ce fichier.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Dateizugriff verweigert</source>
        <translation>File access denied</translation>
    </message>
    <message>
        <source>Ungültiger Dateiname</source>
        <translation>Invalid file name</translation>
    </message>
    <message>
        <source>Zu viele geöffnete Dateien</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>E/A-Fehler %d</source>
        <translation>I/O error %d</translation>
    </message>
    <message>
        <source>nach %s kann nicht geschrieben werden</source>
        <translation>cannot write to %s</translation>
    </message>
    <message>
        <source>Datei %s kann nicht erstellt werden</source>
        <translation>Cannot create file %s</translation>
    </message>
    <message>
        <source>Datei %s ist keine Trovanta-Datei</source>
        <translation>File %s is not a Trovanta file</translation>
    </message>
    <message>
        <source>In dieser Datei sind keine Werte für die Schaltmarke und dem roten Bereich abgespeichert.</source>
        <translation>This file holds no values for the shift mark and the red zone.</translation>
    </message>
    <message>
        <source>Ce n'est pas un fichier ordinaire.</source>
        <translation>This is not an ordinary file.</translation>
    </message>
    <message>
        <source>Aucune colonne de régime et de vitesse dans ce fichier.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Überprüfen Sie die Druckerinstallation.</source>
        <translation>Check the printer installation.</translation>
    </message>
    <message>
        <source>Druckerinstallation kontrollieren.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Fehler bei Ini-Erstellung.</source>
        <translation>Error while writing the ini file.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Unités</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vitesse</source>
        <translation type="unfinished">Speed</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation type="unfinished">km/h</translation>
    </message>
    <message>
        <source>mph</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Couple</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>lb-ft</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Puissance</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>kW</source>
        <translation type="unfinished">kW</translation>
    </message>
    <message>
        <source>ch</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>hp</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Masse</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>kg</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>lb</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>PerformanceCharts</name>
    <message>
        <source>Rien à tracer : voir la note sous les résultats.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Résistance (air et roulement)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Limite du pneu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Passage optimal</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>tr/min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Couple (Nm)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Puissance (kW)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zone rouge</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 : %2 s</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>400 m : %1 s à %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Passage d'un rapport</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Fichiers &amp;récents</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>E&amp;xporter le diagramme…</source>
        <translation>E&amp;xport diagram…</translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation>&amp;Analysis</translation>
    </message>
    <message>
        <source>&amp;Comparaison…</source>
        <translation>&amp;Comparison…</translation>
    </message>
    <message>
        <source>&amp;Pignons et chaîne…</source>
        <translation>&amp;Sprockets and chain…</translation>
    </message>
    <message>
        <source>É&amp;talonnage…</source>
        <translation>Ca&amp;libration…</translation>
    </message>
    <message>
        <source>P&amp;erformances…</source>
        <translation>&amp;Performance…</translation>
    </message>
    <message>
        <source>diagramme</source>
        <translation>diagram</translation>
    </message>
    <message>
        <source>Exporter le diagramme</source>
        <translation>Export the diagram</translation>
    </message>
    <message>
        <source>Image PNG (*.png);;Dessin SVG (*.svg);;Document PDF (*.pdf)</source>
        <translation>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>%1 existe déjà.
Voulez-vous le remplacer ?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Übersetzungsdiagramm Suzuki TL 1000 S '97 original</source>
        <translation>Gearing diagram Suzuki TL 1000 S '97 stock</translation>
    </message>
    <message>
        <source>-Kein Kommentar gefunden-</source>
        <translation>-No comment found-</translation>
    </message>
    <message>
        <source>Roue Ar.</source>
        <translation>Rear wheel</translation>
    </message>
    <message>
        <source>Diamètre de jante (")</source>
        <translation>Rim diameter (")</translation>
    </message>
    <message>
        <source>Largeur pneu(mm)</source>
        <translation>Tyre width (mm)</translation>
    </message>
    <message>
        <source>Hauteur pneu (%)</source>
        <translation>Tyre height (%)</translation>
    </message>
    <message>
        <source> Glissement(%)</source>
        <translation> Slip (%)</translation>
    </message>
    <message>
        <source>Développement (mm)</source>
        <translation>Circumference (mm)</translation>
    </message>
    <message>
        <source>Changer</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Démultiplication</source>
        <translation>Gearing</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Front spr.</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Rear spr.</translation>
    </message>
    <message>
        <source>Primaire</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Secondaire</source>
        <translation>Final drive</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Gear</translation>
    </message>
    <message>
        <source>Démulti.</source>
        <translation>Overall</translation>
    </message>
    <message>
        <source>Vmax</source>
        <translation>Vmax</translation>
    </message>
    <message>
        <source>Régime</source>
        <translation>Engine speed</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>&amp;Calculer</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>Cocher pour un changement de rapport</source>
        <translation>Show a shift mark</translation>
    </message>
    <message>
        <source>à</source>
        <translation>at</translation>
    </message>
    <message>
        <source>Et pour une zone rouge</source>
        <translation>And a red zone</translation>
    </message>
    <message>
        <source>Le texte que vous indiquez dans ce champ apparaît à l impression</source>
        <translation>The text you type into this field appears on the printout</translation>
    </message>
    <message>
        <source>(max. 70 )</source>
        <translation>(max. 70 )</translation>
    </message>
    <message>
        <source>Régime x 1000</source>
        <translation>rpm x 1000</translation>
    </message>
    <message>
        <source>Diagramme de démultiplication</source>
        <translation>Gearing diagram</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Enregistrer sous..</source>
        <translation>&amp;Save as..</translation>
    </message>
    <message>
        <source>Enregistrer le Diagramme comme Bitmap</source>
        <translation>Save diagram as bitmap</translation>
    </message>
    <message>
        <source>Im&amp;primer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Outils</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>Convertir Cv - kW</source>
        <translation>Convert hp - kW</translation>
    </message>
    <message>
        <source>Convertir km/h - Mph</source>
        <translation>Convert km/h - mph</translation>
    </message>
    <message>
        <source>Convertir Métrique - Pouce</source>
        <translation>Convert metric - inch</translation>
    </message>
    <message>
        <source>&amp;Info + FAQ</source>
        <translation>&amp;Info + FAQ</translation>
    </message>
    <message>
        <source>&amp;FAQ</source>
        <translation>&amp;FAQ</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>%1 wurde gespeichert.</source>
        <translation>%1 has been saved.</translation>
    </message>
</context>
<context>
    <name>TForm10</name>
    <message>
        <source>Métrique Pouce</source>
        <translation>Metric inch</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Pouce</source>
        <translation>inch</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>TROVANTA  Info</source>
        <translation>TROVANTA  Info</translation>
    </message>
    <message>
        <source>Créé par l'équipe Trovanta</source>
        <translation>Made by the Trovanta team</translation>
    </message>
    <message>
        <source>Traduit en Français par l'équipe Trovanta</source>
        <translation>Translated by the Trovanta team</translation>
    </message>
    <message>
        <source>Email senden</source>
        <translation>Send an email</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>Home page: %1</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Cv - kW</source>
        <translation>hp - kW</translation>
    </message>
    <message>
        <source>Cv</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>km/h - Mph</source>
        <translation>km/h - mph</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Mph</source>
        <translation>mph</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>---Thema wählen---</source>
        <translation>---Choose a topic---</translation>
    </message>
    <message>
        <source>Dateneingabe</source>
        <translation>Entering data</translation>
    </message>
    <message>
        <source>Öffnen / Speichern</source>
        <translation>Open / Save</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Fehler in der Darstellung</source>
        <translation>Display problems</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen</source>
        <translation>Errors when opening</translation>
    </message>
    <message>
        <source>Fehler beim Drucken</source>
        <translation>Errors when printing</translation>
    </message>
    <message>
        <source>Fehler bei Programmstart</source>
        <translation>Errors at start-up</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Dateneingabe:

Die Übersetzungen der sechs Gänge, die Primärübersetzung und die Zähnezahlen von Ritzel ("Pignon") und Kettenrad ("Couronne") stehen in der Betriebsanleitung Ihres Motorrads oder im Werkstatthandbuch. Finden Sie sie dort nicht, kann Ihnen Ihr Händler die Werte nennen.
Die Reifenwerte stehen in den Fahrzeugpapieren oder auf der Flanke des Reifens selbst: Bei der Angabe 190/50 ZR 17 ist 190 die Reifenbreite in Millimetern, 50 die Reifenhöhe in Prozent der Breite und 17 der Felgendurchmesser in Zoll.
Kommazahlen geben Sie mit dem Dezimaltrennzeichen Ihrer Ländereinstellung ein, zum Beispiel 1,84.
Sind alle Werte eingetragen, klicken Sie auf "Berechnen" (die Schaltfläche "Calculer"). Die Ergebnisse erscheinen in den grauen Feldern, und das Diagramm wird neu gezeichnet.
Änderungen an Reifen, Ritzel, Kettenrad und Übersetzungen zählen erst ab dem nächsten Klick auf "Calculer"; Gang, Drehzahl, Schlupf, Schaltmarke und roter Bereich rechnen sofort neu.</source>
        <translation>Entering data:

The ratios of the six gears, the primary drive and the tooth counts of the front and rear sprockets are given in your motorcycle's owner's manual or in the workshop manual. If you cannot find them there, your dealer can tell you.
The tyre sizes are in the vehicle papers or on the sidewall of the tyre itself: in 190/50 ZR 17, 190 is the tyre width in millimetres, 50 the tyre height as a percentage of the width and 17 the rim diameter in inches.
Type decimal numbers with the decimal separator of your regional settings, for example 1.84 or 1,84.
Once all values are entered, click "Calculate". The results appear in the grey fields and the diagram is redrawn.
Changes to the tyre, the sprockets and the gear ratios count from the next click on "Calculate"; gear, engine speed, slip, shift mark and red zone recalculate at once.</translation>
    </message>
    <message>
        <source>Öffnen:
Über "Datei" ("Fichier") und dann "Öffnen" ("Ouvrir") laden Sie einen gespeicherten Datensatz. Alle Werte werden eingetragen und sofort neu berechnet; der Name der Datei steht oben rechts neben "Fichier".

Speichern:
Über "Datei" und dann "Werte speichern" ("Enregistrer sous..") speichern Sie die aktuellen Werte unter einem Namen Ihrer Wahl. Die Dateien haben die Endung "tva".
Die Dateien sind sehr klein und lassen sich deshalb leicht per Diskette oder Mail weitergeben, zum Beispiel um eine bewährte Übersetzung für eine Rennstrecke mit Freunden auszutauschen.</source>
        <translation>Open:
With "File" and then "Open" you load a saved data set. All values are filled in and recalculated at once; the file name appears at the top right, beside "File".

Save:
With "File" and then "Save as.." you save the current values under a name of your choice. The files have the extension "tva".
The files are very small and so are easily passed on by disk or email, for example to swap a proven gearing for a track with friends.</translation>
    </message>
    <message>
        <source>Drucken:

Über "Datei" ("Fichier") und dann "Drucken" ("Imprimer") öffnet sich der gewohnte Druckdialog, in dem Sie den Drucker wählen und den Druck starten.
Gedruckt werden das Übersetzungsdiagramm, alle eingegebenen und berechneten Werte sowie der Kommentar aus dem Textfeld unter dem Diagramm. Dieser Text darf höchstens 70 Zeichen lang sein; nutzen Sie ihn für Motorrad, Strecke oder Datum, damit Sie den Ausdruck später wiedererkennen.</source>
        <translation>Printing:

With "File" and then "Print" the usual print dialog opens, in which you choose the printer and start printing.
The printout holds the gearing diagram, all values entered and calculated, and the comment from the text field below the diagram. This text may be at most 70 characters long; use it for the motorcycle, the track or the date, so that you recognise the printout later.</translation>
    </message>
    <message>
        <source>Fehler bei der Darstellung:

Das Programm braucht einen Bildschirm mit mindestens 800x600 Pixeln; bei einer kleineren Auflösung ist das Hauptfenster nicht vollständig zu sehen.
Ist das Raster des Diagramms gegenüber seiner Beschriftung verschoben oder werden Texte abgeschnitten, ist in den Anzeigeeinstellungen des Systems eine vergrößerte Schrift eingestellt. Stellen Sie dort kleine Schriftarten (100 %) ein und starten Sie das Programm neu.</source>
        <translation>Display problems:

The program needs a screen of at least 800x600 pixels; at a lower resolution the main window cannot be seen in full.
If the diagram's grid is shifted against its scale or texts are cut off, an enlarged font is set in the system's display settings. Set small fonts (100 %) there and restart the program.</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen eines Datensatz:

Meldet das Programm beim Öffnen "Dateizugriff verweigert", ist die "TVA"-Datei schreibgeschützt, zum Beispiel weil sie von einer CD kopiert wurde.
Entfernen Sie den Schreibschutz in den Eigenschaften der Datei (das Häkchen bei "Schreibgeschützt" entfernen) und öffnen Sie die Datei dann erneut. Danach lässt sich der Datensatz auch wieder unter seinem Namen speichern.</source>
        <translation>Errors when opening a data set:

If the program reports "File access denied" when opening, the "TVA" file is write-protected, for example because it was copied from a CD.
Remove the write protection in the file's properties (untick "Read-only") and then open the file again. After that the data set can be saved under its name again.</translation>
    </message>
    <message>
        <source>Fehler beim Drucken:

Zum Drucken muss ein Druckertreiber installiert und ein Drucker eingerichtet sein. Kommt eine Meldung zur Druckerinstallation, prüfen Sie in den Systemeinstellungen, ob ein Drucker vorhanden und als Standarddrucker gewählt ist.
Reichen die Linien der oberen Gänge im Ausdruck ein wenig über das Diagramm hinaus, ist das harmlos: Diese Gänge erreichen bei hohen Drehzahlen Geschwindigkeiten jenseits der Skala. Die gedruckten Werte stimmen trotzdem.</source>
        <translation>Errors when printing:

To print, a printer driver must be installed and a printer set up. If a message about the printer installation appears, check in the system settings that a printer exists and is chosen as the default printer.
If the lines of the higher gears run a little beyond the diagram on the printout, that is harmless: at high engine speeds these gears reach speeds beyond the scale. The printed values are right all the same.</translation>
    </message>
    <message>
        <source>Allgemeine Hinweise:

Alle Ergebnisse sind theoretische Werte. Luftwiderstand und Reibung bleiben unberücksichtigt, ebenso die Frage, ob die Leistung des Motors für die berechnete Geschwindigkeit überhaupt reicht.
Der Abrollumfang des Reifens wächst mit der Geschwindigkeit und ist je nach Hersteller und Reifentyp verschieden; dazu kommt der Schlupf zwischen Reifen und Fahrbahn, der über das Feld "Glissement" nur näherungsweise eingeht.
Das Programm zeigt vor allem, wie sich eine Änderung von Ritzel oder Kettenrad auf Geschwindigkeiten und Drehzahlen auswirkt. Wer die Geschwindigkeit genau wissen will, braucht ein Messgerät, etwa ein GPS-Gerät oder eine Lichtschranke.</source>
        <translation>General notes:

All results are theoretical values. Air resistance and friction are left out, and so is the question whether the engine has the power for the calculated speed at all.
The rolling circumference of the tyre grows with speed and differs between makers and tyre types; on top of that comes the slip between tyre and road, which the "Slip" field takes in only roughly.
Above all, the program shows how a change of front or rear sprocket affects speeds and engine speeds. Anyone who wants to know the speed exactly needs a measuring device, such as a GPS unit or a light barrier.</translation>
    </message>
    <message>
        <source>Fehler bei Programmstart:

Erscheint beim Start die Meldung "1,84 ist kein gültiger Gleitkommawert", erwartet Ihre Ländereinstellung ein anderes Dezimaltrennzeichen als das Komma, zum Beispiel den Punkt.
Stellen Sie in den Regions- bzw. Ländereinstellungen des Systems das Komma als Dezimaltrennzeichen ein und starten Sie das Programm neu. Sie können auch in den Eingabefeldern das Komma durch das Trennzeichen Ihrer Einstellung ersetzen; beim Beenden werden die Werte so gespeichert.</source>
        <translation>Errors at start-up:

If the message "'1,84' is not a valid decimal number" appears at start-up, your regional settings expect another decimal separator than the comma, for example the point.
Set the comma as the decimal separator in the system's regional settings and restart the program. You can also replace the comma with the separator of your settings in the input fields; the values are saved that way when you quit.</translation>
    </message>
    <message>
        <source>Neu in dieser Version:
 - mit Catenolix kann die erforderliche Kettenlänge ermittelt werden;
 - mit Pistorel können zusätzliche Informationen gespeichert werden;
   
 - paar Kleinigkeiten;</source>
        <translation>New in this version:
 - Catenolix works out the chain length needed;
 - Pistorel saves additional information;
   
 - a few small things;</translation>
    </message>
    <message>
        <source>Hilfe und Hinweise</source>
        <translation>Help and notes</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>Home page: %1</translation>
    </message>
    <message>
        <source>Hab's gelesen</source>
        <translation>Got it</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>Die eingebenen Werte bleiben erhalten, so lange 
Trovanta nicht beendet wird.

Werte behalten?
Ist das Häkchen gesetzt, werden alle Werte in der 
Datei catenolix.ini gespeichert und sind beim 
nächsten Start von Trovanta wieder da. Die Datei 
lässt sich mit einem Editor öffnen und drucken; 
eigene Notizen können Sie dort ergänzen.

Vielen Dank an den Freund, der die Idee hatte 
und mir die Formeln aus seinem eigenen, 
früheren Programm überlassen hat.</source>
        <translation>The values you entered are kept as long as 
Trovanta is running.

Keep values?
When it is ticked, all values are saved in the 
file catenolix.ini and are back at the next 
start of Trovanta. The file can be opened and 
printed with a text editor; you can add your 
own notes there.

Many thanks to the friend who had the idea 
and gave me the formulas from his own, 
earlier program.</translation>
    </message>
    <message>
        <source>Catenolix Info</source>
        <translation>Catenolix Info</translation>
    </message>
</context>
<context>
    <name>TForm9</name>
    <message>
        <source>Die eingebenen Werte bleiben erhalten.
Alle Werte können zusätzlich in einer
Textdatei gespeichert werden, die den
Namen der Strecke trägt, sofern ein
Streckenname eingegeben wurde.
Ansonsten gibt es keine Pflichtfelder.
Die Textdatei wird im Verzeichnis
gespeichert, in dem das Programm liegt.

Vielen Dank an den, der als Erster
die Idee dazu hatte.</source>
        <translation>The values you entered are kept.
All values can also be saved in a
text file named after the track,
provided a track name was entered.
Apart from that, no field is required.
The text file is saved in the folder
that holds the program.

Many thanks to the one who first
had the idea.</translation>
    </message>
    <message>
        <source>Pistorel Info</source>
        <translation>Pistorel Info</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::CalibrationWindow</name>
    <message>
        <source>Étalonnage</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>TROVANTA</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Développement nominal du pneu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Développement de la fenêtre principale</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>π × (25,4 × jante + 2 × largeur × hauteur / 100), du dernier calcul réussi</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Le développement avec lequel la fenêtre principale calcule</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Déroulé</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Point GPS</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Enregistreur</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Compteur</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Marquez le pneu arrière et le sol, faites rouler la moto en ligne droite, pilote en selle et pneu à sa pression, sur un ou plusieurs tours de roue, puis mesurez la distance.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Distance parcourue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tours de roue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Développement</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Écart au nominal</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Appliquer</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ce développement dans la fenêtre principale (« Changer » coché), puis un calcul</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La vitesse d'un GPS, lue en prise à régime stable, embrayage relâché, sur le plat. Le rapport et le glissement sont ceux de la fenêtre principale.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rapport</source>
        <translation type="unfinished">Gear</translation>
    </message>
    <message>
        <source>Régime</source>
        <translation type="unfinished">Engine speed</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vitesse GPS</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>km/h</source>
        <translation type="unfinished">km/h</translation>
    </message>
    <message>
        <source>L'export CSV d'un enregistreur ou d'une application de chronométrage, avec une colonne de régime et une de vitesse. Chaque point est rangé dans son rapport d'après la fenêtre principale, et rangé à nouveau quand un calcul de celle-ci change ses rapports.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Annuler</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Le glissement qui accorde les rapports 4 à 6 au développement des rapports 1 à 3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Glissement mesuré</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Points retenus / lignes lues</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dévelop. mm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Écart %</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Contrôle</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ce développement et le glissement mesuré dans la fenêtre principale, puis un calcul</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Appliquer quand même</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ce qu'indique le compteur et la vitesse réelle (GPS) au même instant, puis l'erreur qu'il aura avec d'autres pignons ou un autre pneu.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>sortie de boîte</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>roue arrière</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Le compteur indique</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vitesse réelle (GPS)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Erreur du compteur</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Capteur du compteur</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Après le changement de pignons ou de pneu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pignon</source>
        <translation type="unfinished">Front spr.</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation type="unfinished">Rear spr.</translation>
    </message>
    <message>
        <source>Affichage à 100 km/h réels</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La fenêtre principale ne calcule pas : </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La fenêtre principale n'a pas encore calculé : cliquez sur « Calculer ».</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 des %2 points en mouvement seulement tombent dans un rapport : vérifiez le primaire, le pignon, la couronne et les rapports de la fenêtre principale.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Trop peu de points en %1 alors que les régimes du fichier y conduisent : vérifiez ce rapport dans la fenêtre principale.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>« Appliquer » attend que vous cochiez « Appliquer quand même ».</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Trop peu de points en 1re, 2e et 3e (100 dans deux d'entre elles) pour mesurer le glissement : le développement vient de tous les rapports, avec le glissement de la fenêtre principale.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ouvrir un enregistrement</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Enregistrements (*.csv *.txt)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 (par défaut)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Régime « %1 », vitesse « %2 » en %3 ; en-tête ligne %4, lignes illisibles : %5</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>à vérifier</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>trovanta::ui::CircuitTab</name>
    <message>
        <source>nom d'un nouveau circuit, puis Entrée</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vos circuits. Un nom nouveau suivi d'Entrée en ajoute un.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Supprimer</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Supprime le circuit choisi</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La décélération la plus forte au freinage, en g (1,0 : freinage fort sur le sec)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Virage</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vitesse mini (km/h)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rapport</source>
        <translation type="unfinished">Gear</translation>
    </message>
    <message>
        <source>Ligne droite après (m)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Un virage par ligne, dans l'ordre du tour ; la dernière ligne droite mène au premier virage. Rapport vide : celui des passages optimaux à cette vitesse.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ligne droite</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Supprimer le virage</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Supprime les virages choisis</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Temps (s)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Au freinage (km/h)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Régime (tr/min)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Marge au limiteur</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Au freinage</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>limiteur sur 0000 m</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>sous la courbe</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Temps des lignes droites (s)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La somme des lignes droites, chacune du virage au point de freinage puis au virage suivant. Ce n'est pas un temps au tour : dans ce modèle, les virages eux-mêmes ne prennent aucun temps.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Circuit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Freinage maxi (g)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>« %1 » est réservé : choisissez un autre nom.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ce nom ne peut pas être enregistré : sans crochets ni caractères spéciaux.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Supprimer le circuit « %1 » et ses virages ?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Virage %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 → %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Le freinage maxi doit être supérieur à zéro.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Virage %1 : </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>la vitesse doit être supérieure à zéro.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>un rapport de 1 à 6, ou vide pour celui des passages optimaux.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>la ligne droite doit être plus longue que zéro.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tapez le nom d'un circuit puis Entrée pour l'ajouter.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tapez les virages du circuit dans l'ordre du tour.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Les lignes droites attendent un calcul de la fenêtre principale, une courbe et des valeurs de la moto complètes.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>limiteur sur %1 m</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>en %1e à %2, le moteur dépasse %3 tr/min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>trop courte pour freiner de %1 à %2 km/h</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>la moto n'avance pas dans ce rapport</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>plus de dix minutes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>virage suivant plus rapide : %1 au bout</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> ; </source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>trovanta::ui::ComparePerformance</name>
    <message>
        <source>Performances</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Écart</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>0–%1 (s)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>400 m (s)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vitesse maxi (km/h)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Circuit (s)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>A et B avec la courbe et la moto de la fenêtre Performances. Circuit : le temps des lignes droites du circuit actuel, pas un temps au tour.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 (%2e)</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>trovanta::ui::CompareWindow</name>
    <message>
        <source>Diamètre de jante (")</source>
        <translation type="unfinished">Rim diameter (")</translation>
    </message>
    <message>
        <source>Largeur pneu(mm)</source>
        <translation type="unfinished">Tyre width (mm)</translation>
    </message>
    <message>
        <source>Hauteur pneu (%)</source>
        <translation type="unfinished">Tyre height (%)</translation>
    </message>
    <message>
        <source>Glissement(%)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Développement (mm)</source>
        <translation type="unfinished">Circumference (mm)</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation type="unfinished">Front spr.</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation type="unfinished">Rear spr.</translation>
    </message>
    <message>
        <source>Primaire</source>
        <translation type="unfinished">Primary</translation>
    </message>
    <message>
        <source>Rapport 1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rapport 2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rapport 3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rapport 4</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rapport 5</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rapport 6</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Comparaison</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dents de scie</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Régime sur vitesse : chaque rapport jusqu'au passage, puis la chute du régime au rapport suivant.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Points de la piste</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rapports</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Imprimer</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Fermer</source>
        <translation type="unfinished">Close</translation>
    </message>
    <message>
        <source>Jeux de démultiplication</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>A  Actuel</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>B  Variante</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>calculé</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vide : calculé à partir du pneu. Un nombre : utilisé tel quel.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vide : la fenêtre principale calcule le développement à partir du pneu.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Copier A → B</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Enregistrer sous…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Appliquer à la fenêtre principale</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Les valeurs de A dans les champs de B.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Un fichier de démultiplication dans B ; glissement et développement restent.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>B dans un fichier de démultiplication, avec le titre et les marques de A.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>B dans la fenêtre principale, puis un calcul.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Résultats</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Secondaire</source>
        <translation type="unfinished">Final drive</translation>
    </message>
    <message>
        <source>Écart du secondaire</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Régime à</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Régime à … km/h en 6e</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>km/h en 6e</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Démulti. B</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Passage : vitesse au régime de passage. Régime après : régime au rapport suivant à cette vitesse. Vmax : à la zone rouge.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Régime A</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rapport</source>
        <translation type="unfinished">Gear</translation>
    </message>
    <message>
        <source>Vos points de la piste : la vitesse et le rapport donnent le régime de A et de B. Rouge : au-delà de la zone rouge.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 n'est pas un rapport de 1 à 6.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Point %1 (%2)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Démulti. A</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Écart %</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vmax A</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vmax B</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Passage A</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Passage B</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Régime après A</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Régime après B</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Point</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>km/h</source>
        <translation type="unfinished">km/h</translation>
    </message>
    <message>
        <source>Régime B</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La fenêtre principale ne calcule pas : </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La fenêtre principale n'a pas encore calculé : A suit son prochain calcul.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>A  Actuel %1/%2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>B  Variante %1/%2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Passage à %1 tr/min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zone rouge dès %1 tr/min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Régime x 1000</source>
        <translation type="unfinished">rpm x 1000</translation>
    </message>
    <message>
        <source>Le diagramme attend un calcul de la fenêtre principale.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pignon/couronne · pneu · glissement · développement · primaire · rapports 1 à 6</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 : %2/%3 · %4/%5-%6 · %7 % · %8 mm · %9 · %10</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Secondaire : A %1 · B %2 · écart %3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Développement (mm) : A %1 · B %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Régime à %1 km/h en 6e : A %2 · B %3</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>trovanta::ui::ConverterWindow</name>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::CurveModel</name>
    <message>
        <source>tr/min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Couple (Nm)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Puissance (kW)</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>trovanta::ui::PerformanceWindow</name>
    <message>
        <source>0 à %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Performances</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>TROVANTA</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Force à la roue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Couple et puissance</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Départ arrêté</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Circuit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Chercher les pignons</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ouvre « Pignons et chaîne » avec l'écart du secondaire pour la vitesse maxi comme cible</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Imprimer</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Courbe du moteur</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tapez un point dans la dernière ligne ; les points se rangent par régime. Au-dessus du dernier point et de la zone rouge, le limiteur coupe.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Lit l'export CSV d'un banc de puissance (régime et couple, ou puissance)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Exemple</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La courbe d'un 1000 cm³ de 169 ch à 11 000 tr/min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Supprimer le point</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Courbe mesurée à la roue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Un banc à rouleau : les pertes de la transmission sont déjà dans la courbe (rendement 100 %)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La moto</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Masse avec pilote (kg)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Traînée S·Cx (m²)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Résistance au roulement</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rendement de la transmission (%)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Masses en rotation (%)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Accélération maxi (g)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Durée d'un passage (s)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Régime au départ (tr/min)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Température de l'air (°C)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pression de l'air (hPa)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La moto prête à rouler avec le pilote équipé. Typique : 200 à 330 kg.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Surface frontale × coefficient de traînée. Sportive, pilote couché : 0,30 à 0,40 m² ; routière, pilote droit : 0,5 à 0,7 m².</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Coefficient de résistance au roulement des pneus sur le bitume. Typique : 0,010 à 0,020.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La part de la puissance du moteur qui arrive à la roue (primaire, boîte, chaîne). Typique : 85 à 92 %. Sans objet pour une courbe mesurée à la roue.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Roues, transmission et vilebrequin à mettre en rotation, en part de la masse, la même pour tous les rapports. Typique : 3 à 10 %.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>L'accélération que le pneu et le cabrage permettent. Typique : 0,8 à 1,2 g.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Le temps sans traction d'un passage de rapport. Typique : 0,05 s (shifter) à 0,30 s.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Le régime auquel l'embrayage patine au départ. Typique : 6000 à 9000 tr/min pour une sportive.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pour la densité de l'air. Typique : 0 à 40 °C.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La pression atmosphérique du lieu : 1013 hPa au niveau de la mer, environ 12 hPa de moins tous les 100 m. Typique : 850 à 1040 hPa.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Passages optimaux</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rapport</source>
        <translation type="unfinished">Gear</translation>
    </message>
    <message>
        <source>Passage (tr/min)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vitesse (km/h)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Régime après (tr/min)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Engagé à (s)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Engagé à (km/h)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>400 m départ arrêté</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vitesse aux 400 m</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>km/h</source>
        <translation type="unfinished">km/h</translation>
    </message>
    <message>
        <source>Vitesse maxi</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La vitesse où la force à la roue ne dépasse plus la résistance, en suivant les rapports comme au départ arrêté</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La vitesse la plus haute où le 6e rapport tire encore autant que la résistance</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Le secondaire qui met le régime de puissance maxi à la vitesse maxi en 6e</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>km/h en</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>à</source>
        <translation type="unfinished">at</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>En 6e</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Secondaire idéal</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Repère de la fenêtre principale : %1 tr/min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La courbe doit avoir au moins 2 points.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Courbe, point %1 : </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>le régime manque.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>le couple manque.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>le régime doit être supérieur à 0.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>le couple ne peut pas être négatif.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ce régime est déjà dans la courbe.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ce point ne convient pas.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Le jeu de rapports de la fenêtre principale ne permet pas de calculer.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La zone rouge de la fenêtre principale est sous le premier point de la courbe.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>« %1 » : la valeur doit être supérieure à 0.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>« %1 » : la valeur ne peut pas être négative.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Le rendement doit être supérieur à 0 et au plus 100 %.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La température est sous le zéro absolu.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>« %1 » : cette valeur ne convient pas.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ne tire pas à %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>limitée par la résistance de l'air</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>limitée par le régime</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 à %2 tr/min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La fenêtre principale ne calcule pas : %1 Les derniers résultats restent.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La fenêtre principale n'a pas encore calculé : cliquez sur « Calculer ».</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Courbe d'exemple (1000 cm³, 169 ch à 11 000 tr/min) : remplacez-la par celle de votre moteur.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ouvrir un export de banc</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Exports de banc (*.csv *.txt)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Lecture de « %1 »…</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>« %1 » donne %2 points, la courbe en tient au plus %3 : elle reste comme elle était.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>lb·ft</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>kgm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>kW</source>
        <translation type="unfinished">kW</translation>
    </message>
    <message>
        <source>ch</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>hp</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 (par défaut)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>couple</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>puissance</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>« %1 » : régime « %2 », %3 « %4 » en %5 ; %6 points, %7 lignes ignorées.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Mesurée à la roue.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>« %1 » : %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pignons %1/%2, primaire %3, rapports %4, zone rouge %5 tr/min, développement %6 mm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> (mesurée à la roue)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>… et %1 points de plus</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>(à la roue)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Départ arrêté : %1 %2 s, %3 %4 s, 400 m en %5 s à %6 %7</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vitesse maxi : %1 km/h en %2 à %3 tr/min, %4</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>En 6e : %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Secondaire pour la vitesse maxi : %1 (%2), %3 km/h</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>trovanta::ui::SprocketModel</name>
    <message>
        <source>oui</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>non</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Circuit (s)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Écart (s)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Plus longue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Temps des lignes droites du circuit actuel avec cette paire, s (pas un temps au tour)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Écart de ce temps par rapport à la transmission actuelle, s</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La plus longue ligne droite : le rapport et le régime au freinage, ou la distance parcourue au limiteur en 6e</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pignon</source>
        <translation type="unfinished">Front spr.</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation type="unfinished">Rear spr.</translation>
    </message>
    <message>
        <source>Secondaire</source>
        <translation type="unfinished">Final drive</translation>
    </message>
    <message>
        <source>Écart %</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vmax 6e</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Chaîne actuelle</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tient</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Maillons</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Déplacement</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Usure pignon</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Usure couronne</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dents du pignon</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dents de la couronne</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Rapport secondaire : couronne / pignon</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Écart du secondaire par rapport à la transmission actuelle, en %</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vmax en 6e à la zone rouge, km/h, avec les autres valeurs de la fenêtre principale</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Déplacement de l'axe arrière avec la chaîne actuelle, mm (+ vers l'arrière, - vers l'avant)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>oui : la chaîne actuelle tient dans la course de l'axe arrière</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Le nombre pair de maillons qui garde l'axe arrière au plus près de sa place</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Déplacement de l'axe arrière avec ce nombre de maillons, mm (+ vers l'arrière, - vers l'avant)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dents différentes qu'un maillon rencontre / dents du pignon ; égales : usure régulière</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dents différentes qu'un maillon rencontre / dents de la couronne ; égales : usure régulière</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>trovanta::ui::SprocketWindow</name>
    <message>
        <source>Pignons et chaîne</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Transmission actuelle</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pignon</source>
        <translation type="unfinished">Front spr.</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation type="unfinished">Rear spr.</translation>
    </message>
    <message>
        <source>Chaîne (maillons)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Longueur d'un maillon (cm)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Flèche (maillons)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Axe arrière</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Course restante vers l'avant (mm)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Course restante vers l'arrière (mm)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Plages</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pignon de</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Couronne de</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>à</source>
        <translation type="unfinished">at</translation>
    </message>
    <message>
        <source>Objectif</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>aucun</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Écart du secondaire (%)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tolérance ± (%)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 paires · circuit %2/%3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ligne surlignée : la transmission actuelle.
Usure en gras : chaque maillon rencontre toutes les dents des deux pignons (usure régulière).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Appliquer</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La paire choisie dans la fenêtre principale</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Comparer</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>La paire choisie dans la fenêtre de comparaison</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Fermer</source>
        <translation type="unfinished">Close</translation>
    </message>
    <message>
        <source>La fenêtre principale n'a pas encore calculé : cliquez sur « Calculer » ou tapez le pignon et la couronne actuels.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Chaîne (maillons) : Une valeur nulle n'est pas possible ici. La chaîne actuelle vient de Catenolix (menu Outils) ou peut être tapée ici.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Une valeur nulle n'est pas possible ici.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Une valeur négative n'est pas possible ici.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Plage trop grande : %1 paires au plus.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Aucune paire</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>1 paire</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 paires</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>6e · limiteur 0000 m</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 · circuit %2/%3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1e · limiteur %2 m</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1e · %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Circuit : optimum en limite de plage (%1/%2), élargissez les plages.</source>
        <translation type="unfinished" />
    </message>
</context>
</TS>