<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ChainSheet</name>
    <message>
        <source>Ergebnis:</source>
        <translation>Result:</translation>
    </message>
</context>
<context>
    <name>FieldReader</name>
    <message>
        <source>la valeur doit être supérieure à 0.</source>
        <translation>the value must be greater than 0.</translation>
    </message>
    <message>
        <source>la valeur ne peut pas être négative.</source>
        <translation>the value cannot be negative.</translation>
    </message>
    <message>
        <source>%1 est trop grand.</source>
        <translation>%1 is too large.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
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
    <name>GearSheet</name>
    <message>
        <source>Datei: </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Hinterrad:</source>
        <translation>Rear wheel:</translation>
    </message>
    <message>
        <source>Übersetzungen:</source>
        <translation>Gearing:</translation>
    </message>
    <message>
        <source>Gangübersetzungen:</source>
        <translation>Gear ratios:</translation>
    </message>
    <message>
        <source>Gesamtübersetzung:</source>
        <translation>Overall ratio:</translation>
    </message>
    <message>
        <source>Vmax bei: %1 U/min (roter Bereich)</source>
        <translation>Vmax at: %1 rpm (red zone)</translation>
    </message>
    <message>
        <source>%1 bei %2% Schlupf</source>
        <translation>%1 at %2% slip</translation>
    </message>
    <message>
        <source>Drehzahl x 1000</source>
        <translation>rpm x 1000</translation>
    </message>
</context>
<context>
    <name>Letterhead</name>
    <message>
        <source>Trovanta ist Freeware und darf unverändert und kostenlos weitergegeben werden.</source>
        <translation>Trovanta is freeware and may be passed on unchanged and free of charge.</translation>
    </message>
    <message>
        <source>Download: </source>
        <translation>Download: </translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Contact: </translation>
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
        <source>&apos;%s&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%s&apos; is not a valid whole number</translation>
    </message>
    <message>
        <source>&apos;%s&apos; ist kein gültiger Gleitkommawert</source>
        <translation>&apos;%s&apos; is not a valid decimal number</translation>
    </message>
    <message>
        <source>Division durch 0.</source>
        <translation>Division by 0.</translation>
    </message>
    <message>
        <source>Der Achsabstand dieser Kette lässt sich nicht bestimmen</source>
        <translation>The axle distance of this chain cannot be found</translation>
    </message>
    <message>
        <source>Verkürzung</source>
        <translation>shortening</translation>
    </message>
    <message>
        <source>Verlängerung</source>
        <translation>lengthening</translation>
    </message>
    <message>
        <source>hinten</source>
        <translation>the rear</translation>
    </message>
    <message>
        <source>vorne</source>
        <translation>the front</translation>
    </message>
    <message>
        <source>Es ist entweder eine %1 der Kette um %2 Glied(er) nötig, oder eine </source>
        <translation>Either a %1 of the chain by %2 link(s) is needed, or a </translation>
    </message>
    <message>
        <source>Verschiebung des Kettenrades um %3 mm nach %4. </source>
        <translation>shift of the rear sprocket by %3 mm towards %4. </translation>
    </message>
    <message>
        <source>Bei einer %1 der Kette um %2 ist eine Verschiebung des </source>
        <translation>With a %1 of the chain by %2, a shift of the </translation>
    </message>
    <message>
        <source>Kettenrades um %3 mm nach %4 nötig.</source>
        <translation>rear sprocket by %3 mm towards %4 is needed.</translation>
    </message>
    <message>
        <source>%2 Glied</source>
        <translation>%2 link</translation>
    </message>
    <message>
        <source>%2 Glieder</source>
        <translation>%2 links</translation>
    </message>
    <message>
        <source>Pas assez de points en prise : 10 au moins dans un rapport.</source>
        <translation>Not enough points in gear: at least 10 in one gear.</translation>
    </message>
    <message>
        <source>Aucune colonne de régime et de couple ou de puissance dans ce fichier.</source>
        <translation>No column of engine speed and torque or power in this file.</translation>
    </message>
    <message>
        <source>Unité inconnue dans ce fichier : « %s ».</source>
        <translation>Unknown unit in this file: “%s”.</translation>
    </message>
    <message>
        <source>Aucune courbe de couple dans ce fichier.</source>
        <translation>No torque curve in this file.</translation>
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
        <source>Ce n&apos;est pas un fichier ordinaire.</source>
        <translation>This is not an ordinary file.</translation>
    </message>
    <message>
        <source>Aucune colonne de régime et de vitesse dans ce fichier.</source>
        <translation>No engine speed and speed columns in this file.</translation>
    </message>
    <message>
        <source>Überprüfen Sie die Druckerinstallation.</source>
        <translation>Check the printer installation.</translation>
    </message>
    <message>
        <source>Druckerinstallation kontrollieren.</source>
        <translation>Check the printer installation.</translation>
    </message>
    <message>
        <source>Fehler bei Ini-Erstellung.</source>
        <translation>Error while writing the ini file.</translation>
    </message>
    <message>
        <source>Zu wenig Arbeitsspeicher</source>
        <translation>Not enough memory</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Unités</source>
        <translation>&amp;Units</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>mph</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>Couple</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>lb-ft</source>
        <translation>lb-ft</translation>
    </message>
    <message>
        <source>Puissance</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>PS</translation>
    </message>
    <message>
        <source>hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Masse</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
</context>
<context>
    <name>PerformanceCharts</name>
    <message>
        <source>Rien à tracer : voir la note sous les résultats.</source>
        <translation>Nothing to plot: see the note below the results.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Résistance (air et roulement)</source>
        <translation>Resistance (air and rolling)</translation>
    </message>
    <message>
        <source>Limite du pneu</source>
        <translation>Tyre limit</translation>
    </message>
    <message>
        <source>Passage optimal</source>
        <translation>Best upshift</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Couple (Nm)</source>
        <translation>Torque (Nm)</translation>
    </message>
    <message>
        <source>Puissance (kW)</source>
        <translation>Power (kW)</translation>
    </message>
    <message>
        <source>Zone rouge</source>
        <translation>Red zone</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>%1 : %2 s</source>
        <translation>%1: %2 s</translation>
    </message>
    <message>
        <source>400 m : %1 s à %2</source>
        <translation>400 m: %1 s at %2</translation>
    </message>
    <message>
        <source>Passage d&apos;un rapport</source>
        <translation>Gear change</translation>
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
    <name>RaceLogSheet</name>
    <message>
        <source>Sonstiges</source>
        <translation>Other</translation>
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
        <source>Übersetzungsdiagramm Suzuki TL 1000 S &apos;97 original</source>
        <translation>Gearing diagram Suzuki TL 1000 S &apos;97 stock</translation>
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
        <source>Diamètre de jante (&quot;)</source>
        <translation>Rim diameter (&quot;)</translation>
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
        <translation>Convert PS - kW</translation>
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
        <source>Créé par l&apos;équipe Trovanta</source>
        <translation>Made by the Trovanta team</translation>
    </message>
    <message>
        <source>Traduit en Français par l&apos;équipe Trovanta</source>
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
        <translation>PS - kW</translation>
    </message>
    <message>
        <source>Cv</source>
        <translation>PS</translation>
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

Die Übersetzungen der sechs Gänge, die Primärübersetzung und die Zähnezahlen von Ritzel (&quot;Pignon&quot;) und Kettenrad (&quot;Couronne&quot;) stehen in der Betriebsanleitung Ihres Motorrads oder im Werkstatthandbuch. Finden Sie sie dort nicht, kann Ihnen Ihr Händler die Werte nennen.
Die Reifenwerte stehen in den Fahrzeugpapieren oder auf der Flanke des Reifens selbst: Bei der Angabe 190/50 ZR 17 ist 190 die Reifenbreite in Millimetern, 50 die Reifenhöhe in Prozent der Breite und 17 der Felgendurchmesser in Zoll.
Kommazahlen geben Sie mit dem Dezimaltrennzeichen Ihrer Ländereinstellung ein, zum Beispiel 1,84.
Sind alle Werte eingetragen, klicken Sie auf &quot;Berechnen&quot; (die Schaltfläche &quot;Calculer&quot;). Die Ergebnisse erscheinen in den grauen Feldern, und das Diagramm wird neu gezeichnet.
Änderungen an Reifen, Ritzel, Kettenrad und Übersetzungen zählen erst ab dem nächsten Klick auf &quot;Calculer&quot;; Gang, Drehzahl, Schlupf, Schaltmarke und roter Bereich rechnen sofort neu.</source>
        <translation>Entering data:

The ratios of the six gears, the primary drive and the tooth counts of the front and rear sprockets are given in your motorcycle&apos;s owner&apos;s manual or in the workshop manual. If you cannot find them there, your dealer can tell you.
The tyre sizes are in the vehicle papers or on the sidewall of the tyre itself: in 190/50 ZR 17, 190 is the tyre width in millimetres, 50 the tyre height as a percentage of the width and 17 the rim diameter in inches.
Type decimal numbers with the decimal separator of your regional settings, for example 1.84 or 1,84.
Once all values are entered, click &quot;Calculate&quot;. The results appear in the grey fields and the diagram is redrawn.
Changes to the tyre, the sprockets and the gear ratios count from the next click on &quot;Calculate&quot;; gear, engine speed, slip, shift mark and red zone recalculate at once.</translation>
    </message>
    <message>
        <source>Öffnen:
Über &quot;Datei&quot; (&quot;Fichier&quot;) und dann &quot;Öffnen&quot; (&quot;Ouvrir&quot;) laden Sie einen gespeicherten Datensatz. Alle Werte werden eingetragen und sofort neu berechnet; der Name der Datei steht oben rechts neben &quot;Fichier&quot;.

Speichern:
Über &quot;Datei&quot; und dann &quot;Werte speichern&quot; (&quot;Enregistrer sous..&quot;) speichern Sie die aktuellen Werte unter einem Namen Ihrer Wahl. Die Dateien haben die Endung &quot;tva&quot;.
Die Dateien sind sehr klein und lassen sich deshalb leicht per Diskette oder Mail weitergeben, zum Beispiel um eine bewährte Übersetzung für eine Rennstrecke mit Freunden auszutauschen.</source>
        <translation>Open:
With &quot;File&quot; and then &quot;Open&quot; you load a saved data set. All values are filled in and recalculated at once; the file name appears at the top right, beside &quot;File&quot;.

Save:
With &quot;File&quot; and then &quot;Save as..&quot; you save the current values under a name of your choice. The files have the extension &quot;tva&quot;.
The files are very small and so are easily passed on by disk or email, for example to swap a proven gearing for a track with friends.</translation>
    </message>
    <message>
        <source>Drucken:

Über &quot;Datei&quot; (&quot;Fichier&quot;) und dann &quot;Drucken&quot; (&quot;Imprimer&quot;) öffnet sich der gewohnte Druckdialog, in dem Sie den Drucker wählen und den Druck starten.
Gedruckt werden das Übersetzungsdiagramm, alle eingegebenen und berechneten Werte sowie der Kommentar aus dem Textfeld unter dem Diagramm. Dieser Text darf höchstens 70 Zeichen lang sein; nutzen Sie ihn für Motorrad, Strecke oder Datum, damit Sie den Ausdruck später wiedererkennen.</source>
        <translation>Printing:

With &quot;File&quot; and then &quot;Print&quot; the usual print dialog opens, in which you choose the printer and start printing.
The printout holds the gearing diagram, all values entered and calculated, and the comment from the text field below the diagram. This text may be at most 70 characters long; use it for the motorcycle, the track or the date, so that you recognise the printout later.</translation>
    </message>
    <message>
        <source>Fehler bei der Darstellung:

Das Programm braucht einen Bildschirm mit mindestens 800x600 Pixeln; bei einer kleineren Auflösung ist das Hauptfenster nicht vollständig zu sehen.
Ist das Raster des Diagramms gegenüber seiner Beschriftung verschoben oder werden Texte abgeschnitten, ist in den Anzeigeeinstellungen des Systems eine vergrößerte Schrift eingestellt. Stellen Sie dort kleine Schriftarten (100 %) ein und starten Sie das Programm neu.</source>
        <translation>Display problems:

The program needs a screen of at least 800x600 pixels; at a lower resolution the main window cannot be seen in full.
If the diagram&apos;s grid is shifted against its scale or texts are cut off, an enlarged font is set in the system&apos;s display settings. Set small fonts (100 %) there and restart the program.</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen eines Datensatz:

Meldet das Programm beim Öffnen &quot;Dateizugriff verweigert&quot;, ist die &quot;TVA&quot;-Datei schreibgeschützt, zum Beispiel weil sie von einer CD kopiert wurde.
Entfernen Sie den Schreibschutz in den Eigenschaften der Datei (das Häkchen bei &quot;Schreibgeschützt&quot; entfernen) und öffnen Sie die Datei dann erneut. Danach lässt sich der Datensatz auch wieder unter seinem Namen speichern.</source>
        <translation>Errors when opening a data set:

If the program reports &quot;File access denied&quot; when opening, the &quot;TVA&quot; file is write-protected, for example because it was copied from a CD.
Remove the write protection in the file&apos;s properties (untick &quot;Read-only&quot;) and then open the file again. After that the data set can be saved under its name again.</translation>
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
Der Abrollumfang des Reifens wächst mit der Geschwindigkeit und ist je nach Hersteller und Reifentyp verschieden; dazu kommt der Schlupf zwischen Reifen und Fahrbahn, der über das Feld &quot;Glissement&quot; nur näherungsweise eingeht.
Das Programm zeigt vor allem, wie sich eine Änderung von Ritzel oder Kettenrad auf Geschwindigkeiten und Drehzahlen auswirkt. Wer die Geschwindigkeit genau wissen will, braucht ein Messgerät, etwa ein GPS-Gerät oder eine Lichtschranke.</source>
        <translation>General notes:

All results are theoretical values. Air resistance and friction are left out, and so is the question whether the engine has the power for the calculated speed at all.
The rolling circumference of the tyre grows with speed and differs between makers and tyre types; on top of that comes the slip between tyre and road, which the &quot;Slip&quot; field takes in only roughly.
Above all, the program shows how a change of front or rear sprocket affects speeds and engine speeds. Anyone who wants to know the speed exactly needs a measuring device, such as a GPS unit or a light barrier.</translation>
    </message>
    <message>
        <source>Fehler bei Programmstart:

Erscheint beim Start die Meldung &quot;1,84 ist kein gültiger Gleitkommawert&quot;, erwartet Ihre Ländereinstellung ein anderes Dezimaltrennzeichen als das Komma, zum Beispiel den Punkt.
Stellen Sie in den Regions- bzw. Ländereinstellungen des Systems das Komma als Dezimaltrennzeichen ein und starten Sie das Programm neu. Sie können auch in den Eingabefeldern das Komma durch das Trennzeichen Ihrer Einstellung ersetzen; beim Beenden werden die Werte so gespeichert.</source>
        <translation>Errors at start-up:

If the message &quot;&apos;1,84&apos; is not a valid decimal number&quot; appears at start-up, your regional settings expect another decimal separator than the comma, for example the point.
Set the comma as the decimal separator in the system&apos;s regional settings and restart the program. You can also replace the comma with the separator of your settings in the input fields; the values are saved that way when you quit.</translation>
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
        <source>Hab&apos;s gelesen</source>
        <translation>Got it</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Modell eingeben</source>
        <translation>Enter the model</translation>
    </message>
    <message>
        <source>Transmission actuelle</source>
        <translation>Present final drive</translation>
    </message>
    <message>
        <source>Soll-Durchhang der Kette (cm):</source>
        <translation>Set chain sag (cm):</translation>
    </message>
    <message>
        <source>Longueur de chaine actuelle:</source>
        <translation>Present chain (links):</translation>
    </message>
    <message>
        <source>Länge eines Kettengliedes (cm):</source>
        <translation>Link length (cm):</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Front sprocket</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Rear sprocket</translation>
    </message>
    <message>
        <source>aktuelle Kettenlänge (cm):</source>
        <translation>Present chain length (cm):</translation>
    </message>
    <message>
        <source>aktueller Achsabstand (cm):</source>
        <translation>Present axle distance (cm):</translation>
    </message>
    <message>
        <source>Nouvelle transmission</source>
        <translation>New final drive</translation>
    </message>
    <message>
        <source>couronne</source>
        <translation>Rear sprocket</translation>
    </message>
    <message>
        <source>Longueur de chaine (maillon)</source>
        <translation>Chain length (links)</translation>
    </message>
    <message>
        <source>IST - Kettenlänge (cm):</source>
        <translation>Actual chain length (cm):</translation>
    </message>
    <message>
        <source>SOLL - Kettenlänge (cm):</source>
        <translation>Required chain length (cm):</translation>
    </message>
    <message>
        <source>SOLL - Achsabstand (cm):</source>
        <translation>New axle distance (cm):</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Moto</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Bezeichnung eingeben</source>
        <translation>Enter the designation</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Werte behalten?</source>
        <translation>Keep values?</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Typ angeben</source>
        <translation>Enter the type</translation>
    </message>
    <message>
        <source>sonnig</source>
        <translation>sunny</translation>
    </message>
    <message>
        <source>bedeckt</source>
        <translation>overcast</translation>
    </message>
    <message>
        <source>regnerisch</source>
        <translation>rainy</translation>
    </message>
    <message>
        <source>wechselhaft</source>
        <translation>changeable</translation>
    </message>
    <message>
        <source>Weitere Notizen</source>
        <translation>Further notes</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Moto</source>
        <translation>Motorcycle</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Type: </translation>
    </message>
    <message>
        <source>Pneumatiques</source>
        <translation>Tyres</translation>
    </message>
    <message>
        <source>Avant: </source>
        <translation>Front: </translation>
    </message>
    <message>
        <source>Arrière: </source>
        <translation>Rear: </translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Marque</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Modèle</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Press.</source>
        <translation>Press.</translation>
    </message>
    <message>
        <source>Moteur</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>Filtre à air</source>
        <translation>Air filter</translation>
    </message>
    <message>
        <source>Cornets</source>
        <translation>Trumpets</translation>
    </message>
    <message>
        <source>Collecteur</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>Silencieux</source>
        <translation>Silencer</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Mapping</translation>
    </message>
    <message>
        <source>Eeprom </source>
        <translation>Eeprom </translation>
    </message>
    <message>
        <source>Injecteurs</source>
        <translation>Injectors</translation>
    </message>
    <message>
        <source>Démultiplication</source>
        <translation>Gearing</translation>
    </message>
    <message>
        <source>Pignon </source>
        <translation>Front </translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Rear</translation>
    </message>
    <message>
        <source>Primaire </source>
        <translation>Primary </translation>
    </message>
    <message>
        <source>Suspensions</source>
        <translation>Suspension</translation>
    </message>
    <message>
        <source>Précharge</source>
        <translation>Preload</translation>
    </message>
    <message>
        <source>Détente</source>
        <translation>Rebound</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Ressort</source>
        <translation>Spring</translation>
    </message>
    <message>
        <source>Freins</source>
        <translation>Brakes</translation>
    </message>
    <message>
        <source>Avant</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Arrière</source>
        <translation>Rear</translation>
    </message>
    <message>
        <source>Disques</source>
        <translation>Discs</translation>
    </message>
    <message>
        <source>Plaquettes</source>
        <translation>Pads</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Nom: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>.txt wurde gespeichert.</source>
        <translation>.txt saved.</translation>
    </message>
    <message>
        <source>Température d air (°C)</source>
        <translation>Air temperature (°C)</translation>
    </message>
    <message>
        <source>Température de piste(°C)</source>
        <translation>Track temperature (°C)</translation>
    </message>
    <message>
        <source>Sensations</source>
        <translation>Weather</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Temps au tour</source>
        <translation>Lap time</translation>
    </message>
    <message>
        <source>Commentaires</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Werte ausdrucken</source>
        <translation>Print the values</translation>
    </message>
    <message>
        <source>Werte in txt-Datei speichern</source>
        <translation>Save the values to a txt file</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Bitte Streckenname angeben.</source>
        <translation>Please enter the name of the track.</translation>
    </message>
    <message>
        <source>Fehler beim Speichern.</source>
        <translation>The file could not be saved.</translation>
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
    <name>Units</name>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>mph</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>lb-ft</source>
        <translation>lb-ft</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>PS</translation>
    </message>
    <message>
        <source>hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::CalibrationWindow</name>
    <message>
        <source>Étalonnage</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Développement nominal du pneu</source>
        <translation>Tyre&apos;s nominal rolling circumference</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Développement de la fenêtre principale</source>
        <translation>Main window&apos;s rolling circumference</translation>
    </message>
    <message>
        <source>π × (25,4 × jante + 2 × largeur × hauteur / 100), du dernier calcul réussi</source>
        <translation>π × (25.4 × rim + 2 × width × height / 100), from the last successful calculation</translation>
    </message>
    <message>
        <source>Le développement avec lequel la fenêtre principale calcule</source>
        <translation>The rolling circumference the main window calculates with</translation>
    </message>
    <message>
        <source>Déroulé</source>
        <translation>Roll-out</translation>
    </message>
    <message>
        <source>Point GPS</source>
        <translation>GPS point</translation>
    </message>
    <message>
        <source>Enregistreur</source>
        <translation>Data logger</translation>
    </message>
    <message>
        <source>Compteur</source>
        <translation>Speedometer</translation>
    </message>
    <message>
        <source>Marquez le pneu arrière et le sol, faites rouler la moto en ligne droite, pilote en selle et pneu à sa pression, sur un ou plusieurs tours de roue, puis mesurez la distance.</source>
        <translation>Mark the rear tyre and the ground, roll the bike in a straight line with the rider seated and the tyre at its pressure, over one or more turns of the wheel, then measure the distance.</translation>
    </message>
    <message>
        <source>Distance parcourue</source>
        <translation>Distance rolled</translation>
    </message>
    <message>
        <source>Tours de roue</source>
        <translation>Wheel turns</translation>
    </message>
    <message>
        <source>Développement</source>
        <translation>Rolling circumference</translation>
    </message>
    <message>
        <source>Écart au nominal</source>
        <translation>Deviation from nominal</translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Ce développement dans la fenêtre principale (« Changer » coché), puis un calcul</source>
        <translation>This rolling circumference into the main window (“Change” ticked), then a calculation</translation>
    </message>
    <message>
        <source>La vitesse d&apos;un GPS, lue en prise à régime stable, embrayage relâché, sur le plat. Le rapport et le glissement sont ceux de la fenêtre principale.</source>
        <translation>A GPS speed, read in gear at a steady engine speed, clutch released, on the flat. The gear and the slip are the main window&apos;s.</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Gear</translation>
    </message>
    <message>
        <source>Régime</source>
        <translation>Engine speed</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Vitesse GPS</source>
        <translation>GPS speed</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>L&apos;export CSV d&apos;un enregistreur ou d&apos;une application de chronométrage, avec une colonne de régime et une de vitesse. Chaque point est rangé dans son rapport d&apos;après la fenêtre principale, et rangé à nouveau quand un calcul de celle-ci change ses rapports.</source>
        <translation>The CSV export of a data logger or a lap-timing app, with an engine speed column and a speed column. Each point is sorted into its gear by the main window, and sorted again when a calculation there changes its gears.</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Le glissement qui accorde les rapports 4 à 6 au développement des rapports 1 à 3</source>
        <translation>The slip that brings gears 4 to 6 in line with the rolling circumference of gears 1 to 3</translation>
    </message>
    <message>
        <source>Glissement mesuré</source>
        <translation>Measured slip</translation>
    </message>
    <message>
        <source>Points retenus / lignes lues</source>
        <translation>Points used / lines read</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Dévelop. mm</source>
        <translation>Circ. mm</translation>
    </message>
    <message>
        <source>Écart %</source>
        <translation>Dev. %</translation>
    </message>
    <message>
        <source>Contrôle</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Ce développement et le glissement mesuré dans la fenêtre principale, puis un calcul</source>
        <translation>This rolling circumference and the measured slip into the main window, then a calculation</translation>
    </message>
    <message>
        <source>Appliquer quand même</source>
        <translation>Apply anyway</translation>
    </message>
    <message>
        <source>Ce qu&apos;indique le compteur et la vitesse réelle (GPS) au même instant, puis l&apos;erreur qu&apos;il aura avec d&apos;autres pignons ou un autre pneu.</source>
        <translation>What the speedometer reads and the true speed (GPS) at the same moment, then the error it will have with other sprockets or another tyre.</translation>
    </message>
    <message>
        <source>sortie de boîte</source>
        <translation>gearbox output</translation>
    </message>
    <message>
        <source>roue arrière</source>
        <translation>rear wheel</translation>
    </message>
    <message>
        <source>Le compteur indique</source>
        <translation>Speedometer reads</translation>
    </message>
    <message>
        <source>Vitesse réelle (GPS)</source>
        <translation>True speed (GPS)</translation>
    </message>
    <message>
        <source>Erreur du compteur</source>
        <translation>Speedometer error</translation>
    </message>
    <message>
        <source>Capteur du compteur</source>
        <translation>Speedometer sensor</translation>
    </message>
    <message>
        <source>Après le changement de pignons ou de pneu</source>
        <translation>After the change of sprockets or tyre</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Front sprocket</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Rear sprocket</translation>
    </message>
    <message>
        <source>Affichage à 100 km/h réels</source>
        <translation>Reading at a true 100 km/h</translation>
    </message>
    <message>
        <source>La fenêtre principale ne calcule pas : </source>
        <translation>The main window does not calculate: </translation>
    </message>
    <message>
        <source>La fenêtre principale n&apos;a pas encore calculé : cliquez sur « Calculer ».</source>
        <translation>The main window has not calculated yet: click “Calculate”.</translation>
    </message>
    <message>
        <source>%1 des %2 points en mouvement seulement tombent dans un rapport : vérifiez le primaire, le pignon, la couronne et les rapports de la fenêtre principale.</source>
        <translation>Only %1 of the %2 points in motion fall into a gear: check the primary drive, the front and rear sprockets and the gears in the main window.</translation>
    </message>
    <message>
        <source>Trop peu de points en %1 alors que les régimes du fichier y conduisent : vérifiez ce rapport dans la fenêtre principale.</source>
        <translation>Too few points in gear %1 although the file&apos;s engine speeds lead there: check this gear in the main window.</translation>
    </message>
    <message>
        <source>« Appliquer » attend que vous cochiez « Appliquer quand même ».</source>
        <translation>“Apply” waits until you tick “Apply anyway”.</translation>
    </message>
    <message>
        <source>Trop peu de points en 1re, 2e et 3e (100 dans deux d&apos;entre elles) pour mesurer le glissement : le développement vient de tous les rapports, avec le glissement de la fenêtre principale.</source>
        <translation>Too few points in 1st, 2nd and 3rd (100 in two of them) to measure the slip: the rolling circumference comes from all gears, with the main window&apos;s slip.</translation>
    </message>
    <message>
        <source>Ouvrir un enregistrement</source>
        <translation>Open a recording</translation>
    </message>
    <message>
        <source>Enregistrements (*.csv *.txt)</source>
        <translation>Recordings (*.csv *.txt)</translation>
    </message>
    <message>
        <source>%1 (par défaut)</source>
        <translation>%1 (default)</translation>
    </message>
    <message>
        <source>Régime « %1 », vitesse « %2 » en %3 ; en-tête ligne %4, lignes illisibles : %5</source>
        <translation>Engine speed “%1”, speed “%2” in %3; header line %4, unreadable lines: %5</translation>
    </message>
    <message>
        <source>à vérifier</source>
        <translation>to check</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::CircuitTab</name>
    <message>
        <source>nom d&apos;un nouveau circuit, puis Entrée</source>
        <translation>name of a new track, then Enter</translation>
    </message>
    <message>
        <source>Vos circuits. Un nom nouveau suivi d&apos;Entrée en ajoute un.</source>
        <translation>Your tracks. A new name followed by Enter adds one.</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Supprime le circuit choisi</source>
        <translation>Deletes the chosen track</translation>
    </message>
    <message>
        <source>La décélération la plus forte au freinage, en g (1,0 : freinage fort sur le sec)</source>
        <translation>The hardest deceleration under braking, in g (1.0: hard braking in the dry)</translation>
    </message>
    <message>
        <source>Virage</source>
        <translation>Corner</translation>
    </message>
    <message>
        <source>Vitesse mini (km/h)</source>
        <translation>Min. speed (km/h)</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Gear</translation>
    </message>
    <message>
        <source>Ligne droite après (m)</source>
        <translation>Straight after (m)</translation>
    </message>
    <message>
        <source>Un virage par ligne, dans l&apos;ordre du tour ; la dernière ligne droite mène au premier virage. Rapport vide : celui des passages optimaux à cette vitesse.</source>
        <translation>One corner per row, in lap order; the last straight leads to the first corner. Gear left empty: the gear of the best upshifts at that speed.</translation>
    </message>
    <message>
        <source>Ligne droite</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>Supprimer le virage</source>
        <translation>Delete corner</translation>
    </message>
    <message>
        <source>Supprime les virages choisis</source>
        <translation>Deletes the chosen corners</translation>
    </message>
    <message>
        <source>Temps (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>Au freinage (km/h)</source>
        <translation>At braking (km/h)</translation>
    </message>
    <message>
        <source>Régime (tr/min)</source>
        <translation>Revs (rpm)</translation>
    </message>
    <message>
        <source>Marge au limiteur</source>
        <translation>Margin to limiter</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Au freinage</source>
        <translation>At braking</translation>
    </message>
    <message>
        <source>limiteur sur 0000 m</source>
        <translation>on limiter for 0000 m</translation>
    </message>
    <message>
        <source>sous la courbe</source>
        <translation>below the curve</translation>
    </message>
    <message>
        <source>Temps des lignes droites (s)</source>
        <translation>Time on the straights (s)</translation>
    </message>
    <message>
        <source>La somme des lignes droites, chacune du virage au point de freinage puis au virage suivant. Ce n&apos;est pas un temps au tour : dans ce modèle, les virages eux-mêmes ne prennent aucun temps.</source>
        <translation>The sum of the straights, each from the corner to the braking point and on to the next corner. This is not a lap time: in this model the corners themselves take no time.</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Freinage maxi (g)</source>
        <translation>Max. braking (g)</translation>
    </message>
    <message>
        <source>« %1 » est réservé : choisissez un autre nom.</source>
        <translation>“%1” is reserved: choose another name.</translation>
    </message>
    <message>
        <source>Ce nom ne peut pas être enregistré : sans crochets ni caractères spéciaux.</source>
        <translation>This name cannot be saved: no square brackets or special characters.</translation>
    </message>
    <message>
        <source>Supprimer le circuit « %1 » et ses virages ?</source>
        <translation>Delete the track “%1” and its corners?</translation>
    </message>
    <message>
        <source>Virage %1</source>
        <translation>Corner %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>Le freinage maxi doit être supérieur à zéro.</source>
        <translation>The maximum braking must be greater than zero.</translation>
    </message>
    <message>
        <source>Virage %1 : </source>
        <translation>Corner %1: </translation>
    </message>
    <message>
        <source>la vitesse doit être supérieure à zéro.</source>
        <translation>the speed must be greater than zero.</translation>
    </message>
    <message>
        <source>un rapport de 1 à 6, ou vide pour celui des passages optimaux.</source>
        <translation>a gear from 1 to 6, or empty for the one of the best upshifts.</translation>
    </message>
    <message>
        <source>la ligne droite doit être plus longue que zéro.</source>
        <translation>the straight must be longer than zero.</translation>
    </message>
    <message>
        <source>Tapez le nom d&apos;un circuit puis Entrée pour l&apos;ajouter.</source>
        <translation>Type a track&apos;s name, then Enter to add it.</translation>
    </message>
    <message>
        <source>Tapez les virages du circuit dans l&apos;ordre du tour.</source>
        <translation>Type the track&apos;s corners in lap order.</translation>
    </message>
    <message>
        <source>Les lignes droites attendent un calcul de la fenêtre principale, une courbe et des valeurs de la moto complètes.</source>
        <translation>The straights wait for a calculation in the main window, a curve and complete values of the bike.</translation>
    </message>
    <message>
        <source>limiteur sur %1 m</source>
        <translation>on limiter for %1 m</translation>
    </message>
    <message>
        <source>en %1e à %2, le moteur dépasse %3 tr/min</source>
        <translation>in gear %1 at %2 the engine exceeds %3 rpm</translation>
    </message>
    <message>
        <source>trop courte pour freiner de %1 à %2 km/h</source>
        <translation>too short to brake from %1 to %2 km/h</translation>
    </message>
    <message>
        <source>la moto n&apos;avance pas dans ce rapport</source>
        <translation>the bike does not pull in this gear</translation>
    </message>
    <message>
        <source>plus de dix minutes</source>
        <translation>more than ten minutes</translation>
    </message>
    <message>
        <source>virage suivant plus rapide : %1 au bout</source>
        <translation>next corner faster: %1 at the end</translation>
    </message>
    <message>
        <source> ; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>trovanta::ui::ComparePerformance</name>
    <message>
        <source>Performances</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Écart</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>0–%1 (s)</source>
        <translation>0–%1 (s)</translation>
    </message>
    <message>
        <source>400 m (s)</source>
        <translation>400 m (s)</translation>
    </message>
    <message>
        <source>Vitesse maxi (km/h)</source>
        <translation>Top speed (km/h)</translation>
    </message>
    <message>
        <source>Circuit (s)</source>
        <translation>Track (s)</translation>
    </message>
    <message>
        <source>A et B avec la courbe et la moto de la fenêtre Performances. Circuit : le temps des lignes droites du circuit actuel, pas un temps au tour.</source>
        <translation>A and B with the curve and the bike of the Performance window. Track: the time on the straights of the present track, not a lap time.</translation>
    </message>
    <message>
        <source>%1 (%2e)</source>
        <translation>%1 (gear %2)</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::CompareWindow</name>
    <message>
        <source>Diamètre de jante (&quot;)</source>
        <translation>Rim diameter (&quot;)</translation>
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
        <source>Glissement(%)</source>
        <translation>Slip (%)</translation>
    </message>
    <message>
        <source>Développement (mm)</source>
        <translation>Rolling circumference (mm)</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Front sprocket</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Rear sprocket</translation>
    </message>
    <message>
        <source>Primaire</source>
        <translation>Primary drive</translation>
    </message>
    <message>
        <source>Rapport 1</source>
        <translation>Gear 1</translation>
    </message>
    <message>
        <source>Rapport 2</source>
        <translation>Gear 2</translation>
    </message>
    <message>
        <source>Rapport 3</source>
        <translation>Gear 3</translation>
    </message>
    <message>
        <source>Rapport 4</source>
        <translation>Gear 4</translation>
    </message>
    <message>
        <source>Rapport 5</source>
        <translation>Gear 5</translation>
    </message>
    <message>
        <source>Rapport 6</source>
        <translation>Gear 6</translation>
    </message>
    <message>
        <source>Comparaison</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Dents de scie</source>
        <translation>Sawtooth</translation>
    </message>
    <message>
        <source>Régime sur vitesse : chaque rapport jusqu&apos;au passage, puis la chute du régime au rapport suivant.</source>
        <translation>Engine speed over road speed: each gear up to the shift, then the drop in engine speed in the next gear.</translation>
    </message>
    <message>
        <source>Points de la piste</source>
        <translation>Track points</translation>
    </message>
    <message>
        <source>Rapports</source>
        <translation>Gears</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Jeux de démultiplication</source>
        <translation>Gear sets</translation>
    </message>
    <message>
        <source>A  Actuel</source>
        <translation>A  Present</translation>
    </message>
    <message>
        <source>B  Variante</source>
        <translation>B  Variant</translation>
    </message>
    <message>
        <source>calculé</source>
        <translation>calculated</translation>
    </message>
    <message>
        <source>Vide : calculé à partir du pneu. Un nombre : utilisé tel quel.</source>
        <translation>Empty: calculated from the tyre. A number: used as it is.</translation>
    </message>
    <message>
        <source>Vide : la fenêtre principale calcule le développement à partir du pneu.</source>
        <translation>Empty: the main window calculates the rolling circumference from the tyre.</translation>
    </message>
    <message>
        <source>Copier A → B</source>
        <translation>Copy A → B</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Enregistrer sous…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>Appliquer à la fenêtre principale</source>
        <translation>Apply to the main window</translation>
    </message>
    <message>
        <source>Les valeurs de A dans les champs de B.</source>
        <translation>A&apos;s values into B&apos;s fields.</translation>
    </message>
    <message>
        <source>Un fichier de démultiplication dans B ; glissement et développement restent.</source>
        <translation>A gear data file into B; slip and rolling circumference stay.</translation>
    </message>
    <message>
        <source>B dans un fichier de démultiplication, avec le titre et les marques de A.</source>
        <translation>B into a gear data file, with A&apos;s title, shift mark and red zone.</translation>
    </message>
    <message>
        <source>B dans la fenêtre principale, puis un calcul.</source>
        <translation>B into the main window, then a calculation.</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Secondaire</source>
        <translation>Final drive</translation>
    </message>
    <message>
        <source>Écart du secondaire</source>
        <translation>Final drive change</translation>
    </message>
    <message>
        <source>Régime à</source>
        <translation>Engine speed at</translation>
    </message>
    <message>
        <source>Régime à … km/h en 6e</source>
        <translation>Engine speed at … km/h in 6th</translation>
    </message>
    <message>
        <source>km/h en 6e</source>
        <translation>km/h in 6th</translation>
    </message>
    <message>
        <source>Démulti. B</source>
        <translation>Ratio B</translation>
    </message>
    <message>
        <source>Passage : vitesse au régime de passage. Régime après : régime au rapport suivant à cette vitesse. Vmax : à la zone rouge.</source>
        <translation>Shift: speed at the shift mark. Rpm after: engine speed in the next gear at that speed. Vmax: at the red zone.</translation>
    </message>
    <message>
        <source>Régime A</source>
        <translation>Rpm A</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Gear</translation>
    </message>
    <message>
        <source>Vos points de la piste : la vitesse et le rapport donnent le régime de A et de B. Rouge : au-delà de la zone rouge.</source>
        <translation>Your track points: the speed and the gear give the engine speed of A and B. Red: beyond the red zone.</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un rapport de 1 à 6.</source>
        <translation>%1 is not a gear from 1 to 6.</translation>
    </message>
    <message>
        <source>Point %1 (%2)</source>
        <translation>Point %1 (%2)</translation>
    </message>
    <message>
        <source>Démulti. A</source>
        <translation>Ratio A</translation>
    </message>
    <message>
        <source>Écart %</source>
        <translation>Change %</translation>
    </message>
    <message>
        <source>Vmax A</source>
        <translation>Vmax A</translation>
    </message>
    <message>
        <source>Vmax B</source>
        <translation>Vmax B</translation>
    </message>
    <message>
        <source>Passage A</source>
        <translation>Shift A</translation>
    </message>
    <message>
        <source>Passage B</source>
        <translation>Shift B</translation>
    </message>
    <message>
        <source>Régime après A</source>
        <translation>Rpm after A</translation>
    </message>
    <message>
        <source>Régime après B</source>
        <translation>Rpm after B</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Régime B</source>
        <translation>Rpm B</translation>
    </message>
    <message>
        <source>La fenêtre principale ne calcule pas : </source>
        <translation>The main window does not calculate: </translation>
    </message>
    <message>
        <source>La fenêtre principale n&apos;a pas encore calculé : A suit son prochain calcul.</source>
        <translation>The main window has not calculated yet: A follows its next calculation.</translation>
    </message>
    <message>
        <source>A  Actuel %1/%2</source>
        <translation>A  Present %1/%2</translation>
    </message>
    <message>
        <source>B  Variante %1/%2</source>
        <translation>B  Variant %1/%2</translation>
    </message>
    <message>
        <source>Passage à %1 tr/min</source>
        <translation>Shift at %1 rpm</translation>
    </message>
    <message>
        <source>Zone rouge dès %1 tr/min</source>
        <translation>Red zone from %1 rpm</translation>
    </message>
    <message>
        <source>Régime x 1000</source>
        <translation>rpm x 1000</translation>
    </message>
    <message>
        <source>Le diagramme attend un calcul de la fenêtre principale.</source>
        <translation>The diagram is waiting for a calculation of the main window.</translation>
    </message>
    <message>
        <source>Pignon/couronne · pneu · glissement · développement · primaire · rapports 1 à 6</source>
        <translation>Front/rear sprocket · tyre · slip · rolling circumference · primary drive · gears 1 to 6</translation>
    </message>
    <message>
        <source>%1 : %2/%3 · %4/%5-%6 · %7 % · %8 mm · %9 · %10</source>
        <translation>%1: %2/%3 · %4/%5-%6 · %7 % · %8 mm · %9 · %10</translation>
    </message>
    <message>
        <source>Secondaire : A %1 · B %2 · écart %3</source>
        <translation>Final drive: A %1 · B %2 · change %3</translation>
    </message>
    <message>
        <source>Développement (mm) : A %1 · B %2</source>
        <translation>Rolling circumference (mm): A %1 · B %2</translation>
    </message>
    <message>
        <source>Régime à %1 km/h en 6e : A %2 · B %3</source>
        <translation>Engine speed at %1 km/h in 6th: A %2 · B %3</translation>
    </message>
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
        <translation>rpm</translation>
    </message>
    <message>
        <source>Couple (Nm)</source>
        <translation>Torque (Nm)</translation>
    </message>
    <message>
        <source>Puissance (kW)</source>
        <translation>Power (kW)</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::PerformanceWindow</name>
    <message>
        <source>0 à %1</source>
        <translation>0 to %1</translation>
    </message>
    <message>
        <source>Performances</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>Force à la roue</source>
        <translation>Force at the wheel</translation>
    </message>
    <message>
        <source>Couple et puissance</source>
        <translation>Torque and power</translation>
    </message>
    <message>
        <source>Départ arrêté</source>
        <translation>Standing start</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Chercher les pignons</source>
        <translation>Find sprockets</translation>
    </message>
    <message>
        <source>Ouvre « Pignons et chaîne » avec l&apos;écart du secondaire pour la vitesse maxi comme cible</source>
        <translation>Opens “Sprockets and chain” with the change of final drive for the top speed as its target</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Courbe du moteur</source>
        <translation>Engine curve</translation>
    </message>
    <message>
        <source>Tapez un point dans la dernière ligne ; les points se rangent par régime. Au-dessus du dernier point et de la zone rouge, le limiteur coupe.</source>
        <translation>Type a point into the last row; the points sort themselves by engine speed. Above the last point and the red zone, the limiter cuts in.</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Lit l&apos;export CSV d&apos;un banc de puissance (régime et couple, ou puissance)</source>
        <translation>Reads a dyno&apos;s CSV export (engine speed and torque, or power)</translation>
    </message>
    <message>
        <source>Exemple</source>
        <translation>Example</translation>
    </message>
    <message>
        <source>La courbe d&apos;un 1000 cm³ de 169 ch à 11 000 tr/min</source>
        <translation>The curve of a 1000 cc engine with 169 PS at 11,000 rpm</translation>
    </message>
    <message>
        <source>Supprimer le point</source>
        <translation>Delete point</translation>
    </message>
    <message>
        <source>Courbe mesurée à la roue</source>
        <translation>Curve measured at the wheel</translation>
    </message>
    <message>
        <source>Un banc à rouleau : les pertes de la transmission sont déjà dans la courbe (rendement 100 %)</source>
        <translation>A roller dyno: the drivetrain losses are already in the curve (efficiency 100%)</translation>
    </message>
    <message>
        <source>La moto</source>
        <translation>The bike</translation>
    </message>
    <message>
        <source>Masse avec pilote (kg)</source>
        <translation>Weight with rider (kg)</translation>
    </message>
    <message>
        <source>Traînée S·Cx (m²)</source>
        <translation>Drag area CdA (m²)</translation>
    </message>
    <message>
        <source>Résistance au roulement</source>
        <translation>Rolling resistance</translation>
    </message>
    <message>
        <source>Rendement de la transmission (%)</source>
        <translation>Drivetrain efficiency (%)</translation>
    </message>
    <message>
        <source>Masses en rotation (%)</source>
        <translation>Rotating masses (%)</translation>
    </message>
    <message>
        <source>Accélération maxi (g)</source>
        <translation>Max. acceleration (g)</translation>
    </message>
    <message>
        <source>Durée d&apos;un passage (s)</source>
        <translation>Shift time (s)</translation>
    </message>
    <message>
        <source>Régime au départ (tr/min)</source>
        <translation>Launch revs (rpm)</translation>
    </message>
    <message>
        <source>Température de l&apos;air (°C)</source>
        <translation>Air temperature (°C)</translation>
    </message>
    <message>
        <source>Pression de l&apos;air (hPa)</source>
        <translation>Air pressure (hPa)</translation>
    </message>
    <message>
        <source>La moto prête à rouler avec le pilote équipé. Typique : 200 à 330 kg.</source>
        <translation>The bike ready to ride with the rider in full gear. Typical: 200 to 330 kg.</translation>
    </message>
    <message>
        <source>Surface frontale × coefficient de traînée. Sportive, pilote couché : 0,30 à 0,40 m² ; routière, pilote droit : 0,5 à 0,7 m².</source>
        <translation>Frontal area × drag coefficient. Sports bike, rider tucked in: 0.30 to 0.40 m²; tourer, rider upright: 0.5 to 0.7 m².</translation>
    </message>
    <message>
        <source>Coefficient de résistance au roulement des pneus sur le bitume. Typique : 0,010 à 0,020.</source>
        <translation>Rolling resistance coefficient of the tyres on tarmac. Typical: 0.010 to 0.020.</translation>
    </message>
    <message>
        <source>La part de la puissance du moteur qui arrive à la roue (primaire, boîte, chaîne). Typique : 85 à 92 %. Sans objet pour une courbe mesurée à la roue.</source>
        <translation>The share of the engine&apos;s power that reaches the wheel (primary drive, gearbox, chain). Typical: 85 to 92%. Not used for a curve measured at the wheel.</translation>
    </message>
    <message>
        <source>Roues, transmission et vilebrequin à mettre en rotation, en part de la masse, la même pour tous les rapports. Typique : 3 à 10 %.</source>
        <translation>Wheels, drivetrain and crankshaft to be spun up, as a share of the mass, the same in every gear. Typical: 3 to 10%.</translation>
    </message>
    <message>
        <source>L&apos;accélération que le pneu et le cabrage permettent. Typique : 0,8 à 1,2 g.</source>
        <translation>The acceleration that the tyre and the wheelie limit allow. Typical: 0.8 to 1.2 g.</translation>
    </message>
    <message>
        <source>Le temps sans traction d&apos;un passage de rapport. Typique : 0,05 s (shifter) à 0,30 s.</source>
        <translation>The time without drive during a gear change. Typical: 0.05 s (quickshifter) to 0.30 s.</translation>
    </message>
    <message>
        <source>Le régime auquel l&apos;embrayage patine au départ. Typique : 6000 à 9000 tr/min pour une sportive.</source>
        <translation>The engine speed at which the clutch slips at the start. Typical: 6000 to 9000 rpm for a sports bike.</translation>
    </message>
    <message>
        <source>Pour la densité de l&apos;air. Typique : 0 à 40 °C.</source>
        <translation>For the air density. Typical: 0 to 40 °C.</translation>
    </message>
    <message>
        <source>La pression atmosphérique du lieu : 1013 hPa au niveau de la mer, environ 12 hPa de moins tous les 100 m. Typique : 850 à 1040 hPa.</source>
        <translation>The local air pressure: 1013 hPa at sea level, about 12 hPa less every 100 m. Typical: 850 to 1040 hPa.</translation>
    </message>
    <message>
        <source>Passages optimaux</source>
        <translation>Best upshifts</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Gear</translation>
    </message>
    <message>
        <source>Passage (tr/min)</source>
        <translation>Shift (rpm)</translation>
    </message>
    <message>
        <source>Vitesse (km/h)</source>
        <translation>Speed (km/h)</translation>
    </message>
    <message>
        <source>Régime après (tr/min)</source>
        <translation>Revs after (rpm)</translation>
    </message>
    <message>
        <source>Engagé à (s)</source>
        <translation>Engaged at (s)</translation>
    </message>
    <message>
        <source>Engagé à (km/h)</source>
        <translation>Engaged at (km/h)</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>400 m départ arrêté</source>
        <translation>400 m standing start</translation>
    </message>
    <message>
        <source>Vitesse aux 400 m</source>
        <translation>Speed at 400 m</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Vitesse maxi</source>
        <translation>Top speed</translation>
    </message>
    <message>
        <source>La vitesse où la force à la roue ne dépasse plus la résistance, en suivant les rapports comme au départ arrêté</source>
        <translation>The speed at which the force at the wheel no longer exceeds the resistance, going up the gears as in the standing start</translation>
    </message>
    <message>
        <source>La vitesse la plus haute où le 6e rapport tire encore autant que la résistance</source>
        <translation>The highest speed at which 6th gear still pulls as hard as the resistance</translation>
    </message>
    <message>
        <source>Le secondaire qui met le régime de puissance maxi à la vitesse maxi en 6e</source>
        <translation>The final drive that puts the peak-power engine speed at the top speed in 6th</translation>
    </message>
    <message>
        <source>km/h en</source>
        <translation>km/h in</translation>
    </message>
    <message>
        <source>à</source>
        <translation>at</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>En 6e</source>
        <translation>In 6th</translation>
    </message>
    <message>
        <source>Secondaire idéal</source>
        <translation>Best final drive</translation>
    </message>
    <message>
        <source>Repère de la fenêtre principale : %1 tr/min</source>
        <translation>Shift mark of the main window: %1 rpm</translation>
    </message>
    <message>
        <source>La courbe doit avoir au moins 2 points.</source>
        <translation>The curve needs at least 2 points.</translation>
    </message>
    <message>
        <source>Courbe, point %1 : </source>
        <translation>Curve, point %1: </translation>
    </message>
    <message>
        <source>le régime manque.</source>
        <translation>the engine speed is missing.</translation>
    </message>
    <message>
        <source>le couple manque.</source>
        <translation>the torque is missing.</translation>
    </message>
    <message>
        <source>le régime doit être supérieur à 0.</source>
        <translation>the engine speed must be greater than 0.</translation>
    </message>
    <message>
        <source>le couple ne peut pas être négatif.</source>
        <translation>the torque cannot be negative.</translation>
    </message>
    <message>
        <source>ce régime est déjà dans la courbe.</source>
        <translation>this engine speed is already in the curve.</translation>
    </message>
    <message>
        <source>ce point ne convient pas.</source>
        <translation>this point does not fit.</translation>
    </message>
    <message>
        <source>Le jeu de rapports de la fenêtre principale ne permet pas de calculer.</source>
        <translation>The main window&apos;s gear set does not allow a calculation.</translation>
    </message>
    <message>
        <source>La zone rouge de la fenêtre principale est sous le premier point de la courbe.</source>
        <translation>The red zone of the main window is below the first point of the curve.</translation>
    </message>
    <message>
        <source>« %1 » : la valeur doit être supérieure à 0.</source>
        <translation>“%1”: the value must be greater than 0.</translation>
    </message>
    <message>
        <source>« %1 » : la valeur ne peut pas être négative.</source>
        <translation>“%1”: the value cannot be negative.</translation>
    </message>
    <message>
        <source>Le rendement doit être supérieur à 0 et au plus 100 %.</source>
        <translation>The efficiency must be greater than 0 and at most 100%.</translation>
    </message>
    <message>
        <source>La température est sous le zéro absolu.</source>
        <translation>The temperature is below absolute zero.</translation>
    </message>
    <message>
        <source>« %1 » : cette valeur ne convient pas.</source>
        <translation>“%1”: this value does not fit.</translation>
    </message>
    <message>
        <source>ne tire pas à %1</source>
        <translation>does not pull at %1</translation>
    </message>
    <message>
        <source>limitée par la résistance de l&apos;air</source>
        <translation>limited by air resistance</translation>
    </message>
    <message>
        <source>limitée par le régime</source>
        <translation>limited by engine speed</translation>
    </message>
    <message>
        <source>%1 à %2 tr/min</source>
        <translation>%1 at %2 rpm</translation>
    </message>
    <message>
        <source>La fenêtre principale ne calcule pas : %1 Les derniers résultats restent.</source>
        <translation>The main window does not calculate: %1 The last results stay.</translation>
    </message>
    <message>
        <source>La fenêtre principale n&apos;a pas encore calculé : cliquez sur « Calculer ».</source>
        <translation>The main window has not calculated yet: click “Calculate”.</translation>
    </message>
    <message>
        <source>Courbe d&apos;exemple (1000 cm³, 169 ch à 11 000 tr/min) : remplacez-la par celle de votre moteur.</source>
        <translation>Example curve (1000 cc, 169 PS at 11,000 rpm): replace it with your engine&apos;s.</translation>
    </message>
    <message>
        <source>Ouvrir un export de banc</source>
        <translation>Open a dyno export</translation>
    </message>
    <message>
        <source>Exports de banc (*.csv *.txt)</source>
        <translation>Dyno exports (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Lecture de « %1 »…</source>
        <translation>Reading “%1”…</translation>
    </message>
    <message>
        <source>« %1 » donne %2 points, la courbe en tient au plus %3 : elle reste comme elle était.</source>
        <translation>“%1” gives %2 points, the curve holds at most %3: it stays as it was.</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>lb·ft</source>
        <translation>lb·ft</translation>
    </message>
    <message>
        <source>kgm</source>
        <translation>kgm</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>PS</translation>
    </message>
    <message>
        <source>hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>%1 (par défaut)</source>
        <translation>%1 (default)</translation>
    </message>
    <message>
        <source>couple</source>
        <translation>torque</translation>
    </message>
    <message>
        <source>puissance</source>
        <translation>power</translation>
    </message>
    <message>
        <source>« %1 » : régime « %2 », %3 « %4 » en %5 ; %6 points, %7 lignes ignorées.</source>
        <translation>“%1”: engine speed “%2”, %3 “%4” in %5; %6 points, %7 lines skipped.</translation>
    </message>
    <message>
        <source>Mesurée à la roue.</source>
        <translation>Measured at the wheel.</translation>
    </message>
    <message>
        <source>« %1 » : %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>Pignons %1/%2, primaire %3, rapports %4, zone rouge %5 tr/min, développement %6 mm</source>
        <translation>Sprockets %1/%2, primary %3, gears %4, red zone %5 rpm, rolling circumference %6 mm</translation>
    </message>
    <message>
        <source> (mesurée à la roue)</source>
        <translation> (measured at the wheel)</translation>
    </message>
    <message>
        <source>… et %1 points de plus</source>
        <translation>… and %1 more points</translation>
    </message>
    <message>
        <source>(à la roue)</source>
        <translation>(at the wheel)</translation>
    </message>
    <message>
        <source>Départ arrêté : %1 %2 s, %3 %4 s, 400 m en %5 s à %6 %7</source>
        <translation>Standing start: %1 %2 s, %3 %4 s, 400 m in %5 s at %6 %7</translation>
    </message>
    <message>
        <source>Vitesse maxi : %1 km/h en %2 à %3 tr/min, %4</source>
        <translation>Top speed: %1 km/h in gear %2 at %3 rpm, %4</translation>
    </message>
    <message>
        <source>En 6e : %1</source>
        <translation>In 6th: %1</translation>
    </message>
    <message>
        <source>Secondaire pour la vitesse maxi : %1 (%2), %3 km/h</source>
        <translation>Final drive for the top speed: %1 (%2), %3 km/h</translation>
    </message>
    <message>
        <source>Performances : %1</source>
        <translation>Performance: %1</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::SprocketModel</name>
    <message>
        <source>oui</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>non</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Circuit (s)</source>
        <translation>Track (s)</translation>
    </message>
    <message>
        <source>Écart (s)</source>
        <translation>Gap (s)</translation>
    </message>
    <message>
        <source>Plus longue</source>
        <translation>Longest</translation>
    </message>
    <message>
        <source>Temps des lignes droites du circuit actuel avec cette paire, s (pas un temps au tour)</source>
        <translation>Time on the straights of the present track with this pair, s (not a lap time)</translation>
    </message>
    <message>
        <source>Écart de ce temps par rapport à la transmission actuelle, s</source>
        <translation>Difference of this time from the present drive, s</translation>
    </message>
    <message>
        <source>La plus longue ligne droite : le rapport et le régime au freinage, ou la distance parcourue au limiteur en 6e</source>
        <translation>The longest straight: the gear and engine speed at braking, or the distance covered on the limiter in 6th</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Rear</translation>
    </message>
    <message>
        <source>Secondaire</source>
        <translation>Final drive</translation>
    </message>
    <message>
        <source>Écart %</source>
        <translation>Change %</translation>
    </message>
    <message>
        <source>Vmax 6e</source>
        <translation>Vmax 6th</translation>
    </message>
    <message>
        <source>Chaîne actuelle</source>
        <translation>Present chain</translation>
    </message>
    <message>
        <source>Tient</source>
        <translation>Fits</translation>
    </message>
    <message>
        <source>Maillons</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Déplacement</source>
        <translation>Axle move</translation>
    </message>
    <message>
        <source>Usure pignon</source>
        <translation>Front wear</translation>
    </message>
    <message>
        <source>Usure couronne</source>
        <translation>Rear wear</translation>
    </message>
    <message>
        <source>Dents du pignon</source>
        <translation>Teeth of the front sprocket</translation>
    </message>
    <message>
        <source>Dents de la couronne</source>
        <translation>Teeth of the rear sprocket</translation>
    </message>
    <message>
        <source>Rapport secondaire : couronne / pignon</source>
        <translation>Final drive: rear sprocket / front sprocket</translation>
    </message>
    <message>
        <source>Écart du secondaire par rapport à la transmission actuelle, en %</source>
        <translation>Change of the final drive from the present drive, in %</translation>
    </message>
    <message>
        <source>Vmax en 6e à la zone rouge, km/h, avec les autres valeurs de la fenêtre principale</source>
        <translation>Vmax in 6th at the red zone, km/h, with the main window&apos;s other values</translation>
    </message>
    <message>
        <source>Déplacement de l&apos;axe arrière avec la chaîne actuelle, mm (+ vers l&apos;arrière, - vers l&apos;avant)</source>
        <translation>Rear axle move with the present chain, mm (+ backwards, - forwards)</translation>
    </message>
    <message>
        <source>oui : la chaîne actuelle tient dans la course de l&apos;axe arrière</source>
        <translation>yes: the present chain fits within the rear axle&apos;s adjustment</translation>
    </message>
    <message>
        <source>Le nombre pair de maillons qui garde l&apos;axe arrière au plus près de sa place</source>
        <translation>The even number of links that keeps the rear axle nearest its place</translation>
    </message>
    <message>
        <source>Déplacement de l&apos;axe arrière avec ce nombre de maillons, mm (+ vers l&apos;arrière, - vers l&apos;avant)</source>
        <translation>Rear axle move with this number of links, mm (+ backwards, - forwards)</translation>
    </message>
    <message>
        <source>Dents différentes qu&apos;un maillon rencontre / dents du pignon ; égales : usure régulière</source>
        <translation>Different teeth a link meets / teeth of the front sprocket; equal: even wear</translation>
    </message>
    <message>
        <source>Dents différentes qu&apos;un maillon rencontre / dents de la couronne ; égales : usure régulière</source>
        <translation>Different teeth a link meets / teeth of the rear sprocket; equal: even wear</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::SprocketWindow</name>
    <message>
        <source>Pignons et chaîne</source>
        <translation>Sprockets and chain</translation>
    </message>
    <message>
        <source>Transmission actuelle</source>
        <translation>Present drive</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Front sprocket</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Rear sprocket</translation>
    </message>
    <message>
        <source>Chaîne (maillons)</source>
        <translation>Chain (links)</translation>
    </message>
    <message>
        <source>Longueur d&apos;un maillon (cm)</source>
        <translation>Link length (cm)</translation>
    </message>
    <message>
        <source>Flèche (maillons)</source>
        <translation>Sag (links)</translation>
    </message>
    <message>
        <source>Axe arrière</source>
        <translation>Rear axle</translation>
    </message>
    <message>
        <source>Course restante vers l&apos;avant (mm)</source>
        <translation>Travel left forwards (mm)</translation>
    </message>
    <message>
        <source>Course restante vers l&apos;arrière (mm)</source>
        <translation>Travel left backwards (mm)</translation>
    </message>
    <message>
        <source>Plages</source>
        <translation>Ranges</translation>
    </message>
    <message>
        <source>Pignon de</source>
        <translation>Front from</translation>
    </message>
    <message>
        <source>Couronne de</source>
        <translation>Rear from</translation>
    </message>
    <message>
        <source>à</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Objectif</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Écart du secondaire (%)</source>
        <translation>Final drive change (%)</translation>
    </message>
    <message>
        <source>Tolérance ± (%)</source>
        <translation>Tolerance ± (%)</translation>
    </message>
    <message>
        <source>Ligne surlignée : la transmission actuelle.
Usure en gras : chaque maillon rencontre toutes les dents des deux pignons (usure régulière).</source>
        <translation>Highlighted row: the present drive.
Wear in bold: every link meets every tooth of both sprockets (even wear).</translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>La paire choisie dans la fenêtre principale</source>
        <translation>The chosen pair into the main window</translation>
    </message>
    <message>
        <source>Comparer</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>La paire choisie dans la fenêtre de comparaison</source>
        <translation>The chosen pair into the Comparison window</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>La fenêtre principale n&apos;a pas encore calculé : cliquez sur « Calculer » ou tapez le pignon et la couronne actuels.</source>
        <translation>The main window has not calculated yet: click “Calculate” or type the present front and rear sprockets.</translation>
    </message>
    <message>
        <source>Chaîne (maillons) : Une valeur nulle n&apos;est pas possible ici. La chaîne actuelle vient de Catenolix (menu Outils) ou peut être tapée ici.</source>
        <translation>Chain (links): A value of zero is not possible here. The present chain comes from Catenolix (Tools menu) or can be typed here.</translation>
    </message>
    <message>
        <source>Une valeur nulle n&apos;est pas possible ici.</source>
        <translation>A value of zero is not possible here.</translation>
    </message>
    <message>
        <source>Une valeur négative n&apos;est pas possible ici.</source>
        <translation>A negative value is not possible here.</translation>
    </message>
    <message>
        <source>Plage trop grande : %1 paires au plus.</source>
        <translation>Range too large: %1 pairs at most.</translation>
    </message>
    <message>
        <source>Aucune paire</source>
        <translation>No pair</translation>
    </message>
    <message>
        <source>1 paire</source>
        <translation>1 pair</translation>
    </message>
    <message>
        <source>%1 paires</source>
        <translation>%1 pairs</translation>
    </message>
    <message>
        <source>%1 · circuit %2/%3</source>
        <translation>%1 · track %2/%3</translation>
    </message>
    <message>
        <source>%1e · limiteur %2 m</source>
        <translation>gear %1 · limiter %2 m</translation>
    </message>
    <message>
        <source>%1e · %2</source>
        <translation>gear %1 · %2</translation>
    </message>
    <message>
        <source>Circuit : optimum en limite de plage (%1/%2), élargissez les plages.</source>
        <translation>Track: best pair at the edge of the ranges (%1/%2), widen the ranges.</translation>
    </message>
</context>
</TS>
