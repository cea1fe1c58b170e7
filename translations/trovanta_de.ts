<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChainSheet</name>
    <message>
        <source>Ergebnis:</source>
        <translation>Ergebnis:</translation>
    </message>
</context>
<context>
    <name>FieldReader</name>
    <message>
        <source>la valeur doit être supérieure à 0.</source>
        <translation>der Wert muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>la valeur ne peut pas être négative.</source>
        <translation>der Wert darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>%1 est trop grand.</source>
        <translation>%1 ist zu groß.</translation>
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
        <translation>Werte für Trovanta öffnen ...</translation>
    </message>
    <message>
        <source>Werte speichern ...</source>
        <translation>Werte speichern ...</translation>
    </message>
</context>
<context>
    <name>GearSheet</name>
    <message>
        <source>Datei: </source>
        <translation>Datei: </translation>
    </message>
    <message>
        <source>Hinterrad:</source>
        <translation>Hinterrad:</translation>
    </message>
    <message>
        <source>Übersetzungen:</source>
        <translation>Übersetzungen:</translation>
    </message>
    <message>
        <source>Gangübersetzungen:</source>
        <translation>Gangübersetzungen:</translation>
    </message>
    <message>
        <source>Gesamtübersetzung:</source>
        <translation>Gesamtübersetzung:</translation>
    </message>
    <message>
        <source>Vmax bei: %1 U/min (roter Bereich)</source>
        <translation>Vmax bei: %1 U/min (roter Bereich)</translation>
    </message>
    <message>
        <source>%1 bei %2% Schlupf</source>
        <translation>%1 bei %2% Schlupf</translation>
    </message>
    <message>
        <source>Drehzahl x 1000</source>
        <translation>Drehzahl x 1000</translation>
    </message>
</context>
<context>
    <name>Letterhead</name>
    <message>
        <source>Trovanta ist Freeware und darf unverändert und kostenlos weitergegeben werden.</source>
        <translation>Trovanta ist Freeware und darf unverändert und kostenlos weitergegeben werden.</translation>
    </message>
    <message>
        <source>Download: </source>
        <translation>Download: </translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Kontakt: </translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Gleitkommadivision durch Null</source>
        <translation>Gleitkommadivision durch Null</translation>
    </message>
    <message>
        <source>Ungültige Gleitkommaoperation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>Gleitkommaüberlauf</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
    <message>
        <source>&apos;%s&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%s&apos; ist kein gültiger Integerwert</translation>
    </message>
    <message>
        <source>&apos;%s&apos; ist kein gültiger Gleitkommawert</source>
        <translation>&apos;%s&apos; ist kein gültiger Gleitkommawert</translation>
    </message>
    <message>
        <source>Division durch 0.</source>
        <translation>Division durch 0.</translation>
    </message>
    <message>
        <source>Der Achsabstand dieser Kette lässt sich nicht bestimmen</source>
        <translation>Der Achsabstand dieser Kette lässt sich nicht bestimmen</translation>
    </message>
    <message>
        <source>Verkürzung</source>
        <translation>Verkürzung</translation>
    </message>
    <message>
        <source>Verlängerung</source>
        <translation>Verlängerung</translation>
    </message>
    <message>
        <source>hinten</source>
        <translation>hinten</translation>
    </message>
    <message>
        <source>vorne</source>
        <translation>vorne</translation>
    </message>
    <message>
        <source>Es ist entweder eine %1 der Kette um %2 Glied(er) nötig, oder eine </source>
        <translation>Es ist entweder eine %1 der Kette um %2 Glied(er) nötig, oder eine </translation>
    </message>
    <message>
        <source>Verschiebung des Kettenrades um %3 mm nach %4. </source>
        <translation>Verschiebung des Kettenrades um %3 mm nach %4. </translation>
    </message>
    <message>
        <source>Bei einer %1 der Kette um %2 ist eine Verschiebung des </source>
        <translation>Bei einer %1 der Kette um %2 ist eine Verschiebung des </translation>
    </message>
    <message>
        <source>Kettenrades um %3 mm nach %4 nötig.</source>
        <translation>Kettenrades um %3 mm nach %4 nötig.</translation>
    </message>
    <message>
        <source>%2 Glied</source>
        <translation>%2 Glied</translation>
    </message>
    <message>
        <source>%2 Glieder</source>
        <translation>%2 Glieder</translation>
    </message>
    <message>
        <source>Pas assez de points en prise : 10 au moins dans un rapport.</source>
        <translation>Zu wenige Punkte im Gang: mindestens 10 in einem Gang.</translation>
    </message>
    <message>
        <source>Aucune colonne de régime et de couple ou de puissance dans ce fichier.</source>
        <translation>Keine Spalte für Drehzahl und Drehmoment oder Leistung in dieser Datei.</translation>
    </message>
    <message>
        <source>Unité inconnue dans ce fichier : « %s ».</source>
        <translation>Unbekannte Einheit in dieser Datei: „%s“.</translation>
    </message>
    <message>
        <source>Aucune courbe de couple dans ce fichier.</source>
        <translation>Keine Drehmomentkurve in dieser Datei.</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Dateizugriff verweigert</source>
        <translation>Dateizugriff verweigert</translation>
    </message>
    <message>
        <source>Ungültiger Dateiname</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>Zu viele geöffnete Dateien</source>
        <translation>Zu viele geöffnete Dateien</translation>
    </message>
    <message>
        <source>E/A-Fehler %d</source>
        <translation>E/A-Fehler %d</translation>
    </message>
    <message>
        <source>nach %s kann nicht geschrieben werden</source>
        <translation>nach %s kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Datei %s kann nicht erstellt werden</source>
        <translation>Datei %s kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Datei %s ist keine Trovanta-Datei</source>
        <translation>Datei %s ist keine Trovanta-Datei</translation>
    </message>
    <message>
        <source>In dieser Datei sind keine Werte für die Schaltmarke und dem roten Bereich abgespeichert.</source>
        <translation>In dieser Datei sind keine Werte für die Schaltmarke und dem roten Bereich abgespeichert.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un fichier ordinaire.</source>
        <translation>Das ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Aucune colonne de régime et de vitesse dans ce fichier.</source>
        <translation>Keine Spalten für Drehzahl und Geschwindigkeit in dieser Datei.</translation>
    </message>
    <message>
        <source>Überprüfen Sie die Druckerinstallation.</source>
        <translation>Überprüfen Sie die Druckerinstallation.</translation>
    </message>
    <message>
        <source>Druckerinstallation kontrollieren.</source>
        <translation>Druckerinstallation kontrollieren.</translation>
    </message>
    <message>
        <source>Fehler bei Ini-Erstellung.</source>
        <translation>Fehler bei Ini-Erstellung.</translation>
    </message>
    <message>
        <source>Zu wenig Arbeitsspeicher</source>
        <translation>Zu wenig Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Unités</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Geschwindigkeit</translation>
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
        <translation>Drehmoment</translation>
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
        <translation>Leistung</translation>
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
        <translation>Gewicht</translation>
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
        <translation>Nichts zu zeichnen: siehe den Hinweis unter den Ergebnissen.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Résistance (air et roulement)</source>
        <translation>Widerstand (Luft und Rollen)</translation>
    </message>
    <message>
        <source>Limite du pneu</source>
        <translation>Reifengrenze</translation>
    </message>
    <message>
        <source>Passage optimal</source>
        <translation>Optimaler Schaltpunkt</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>Couple (Nm)</source>
        <translation>Drehmoment (Nm)</translation>
    </message>
    <message>
        <source>Puissance (kW)</source>
        <translation>Leistung (kW)</translation>
    </message>
    <message>
        <source>Zone rouge</source>
        <translation>Roter Bereich</translation>
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
        <translation>400 m: %1 s bei %2</translation>
    </message>
    <message>
        <source>Passage d&apos;un rapport</source>
        <translation>Gangwechsel</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Oui</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>RaceLogSheet</name>
    <message>
        <source>Sonstiges</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Fichiers &amp;récents</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>E&amp;xporter le diagramme…</source>
        <translation>Diagramm e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>&amp;Comparaison…</source>
        <translation>&amp;Vergleich…</translation>
    </message>
    <message>
        <source>&amp;Pignons et chaîne…</source>
        <translation>&amp;Ritzel und Kette…</translation>
    </message>
    <message>
        <source>É&amp;talonnage…</source>
        <translation>&amp;Kalibrierung…</translation>
    </message>
    <message>
        <source>P&amp;erformances…</source>
        <translation>&amp;Fahrleistungen…</translation>
    </message>
    <message>
        <source>diagramme</source>
        <translation>diagramm</translation>
    </message>
    <message>
        <source>Exporter le diagramme</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>Image PNG (*.png);;Dessin SVG (*.svg);;Document PDF (*.pdf)</source>
        <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg);;PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>%1 existe déjà.
Voulez-vous le remplacer ?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Übersetzungsdiagramm Suzuki TL 1000 S &apos;97 original</source>
        <translation>Übersetzungsdiagramm Suzuki TL 1000 S &apos;97 original</translation>
    </message>
    <message>
        <source>-Kein Kommentar gefunden-</source>
        <translation>-Kein Kommentar gefunden-</translation>
    </message>
    <message>
        <source>Roue Ar.</source>
        <translation>Hinterrad</translation>
    </message>
    <message>
        <source>Diamètre de jante (&quot;)</source>
        <translation>Felgengröße (&quot;)</translation>
    </message>
    <message>
        <source>Largeur pneu(mm)</source>
        <translation>Reifenbreite (mm)</translation>
    </message>
    <message>
        <source>Hauteur pneu (%)</source>
        <translation>Reifenhöhe (%)</translation>
    </message>
    <message>
        <source> Glissement(%)</source>
        <translation> Schlupf (%)</translation>
    </message>
    <message>
        <source>Développement (mm)</source>
        <translation>Abrollumfang (mm)</translation>
    </message>
    <message>
        <source>Changer</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Démultiplication</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Ritzel</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Kettenrad</translation>
    </message>
    <message>
        <source>Primaire</source>
        <translation>Primär</translation>
    </message>
    <message>
        <source>Secondaire</source>
        <translation>Sekundär</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Gang</translation>
    </message>
    <message>
        <source>Démulti.</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Vmax</source>
        <translation>Vmax</translation>
    </message>
    <message>
        <source>Régime</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;Calculer</source>
        <translation>&amp;Rechnen</translation>
    </message>
    <message>
        <source>Cocher pour un changement de rapport</source>
        <translation>Schaltmarke anzeigen</translation>
    </message>
    <message>
        <source>à</source>
        <translation>bei</translation>
    </message>
    <message>
        <source>Et pour une zone rouge</source>
        <translation>Und roter Bereich</translation>
    </message>
    <message>
        <source>Le texte que vous indiquez dans ce champ apparaît à l impression</source>
        <translation>Der Text, den Sie in dieses Feld schreiben, erscheint auf dem Ausdruck</translation>
    </message>
    <message>
        <source>(max. 70 )</source>
        <translation>(max. 70 )</translation>
    </message>
    <message>
        <source>Régime x 1000</source>
        <translation>U/min x 1000</translation>
    </message>
    <message>
        <source>Diagramme de démultiplication</source>
        <translation>Übersetzungsdiagramm</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Enregistrer sous..</source>
        <translation>&amp;Werte speichern..</translation>
    </message>
    <message>
        <source>Enregistrer le Diagramme comme Bitmap</source>
        <translation>Diagramm als Bitmap speichern</translation>
    </message>
    <message>
        <source>Im&amp;primer</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Outils</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>Convertir Cv - kW</source>
        <translation>Umrechnen PS - kW</translation>
    </message>
    <message>
        <source>Convertir km/h - Mph</source>
        <translation>Umrechnen km/h - mph</translation>
    </message>
    <message>
        <source>Convertir Métrique - Pouce</source>
        <translation>Umrechnen metrisch - Zoll</translation>
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
        <translation>%1 wurde gespeichert.</translation>
    </message>
</context>
<context>
    <name>TForm10</name>
    <message>
        <source>Métrique Pouce</source>
        <translation>Metrisch Zoll</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Pouce</source>
        <translation>Zoll</translation>
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
        <translation>Erstellt vom Trovanta-Team</translation>
    </message>
    <message>
        <source>Traduit en Français par l&apos;équipe Trovanta</source>
        <translation>Übersetzt vom Trovanta-Team</translation>
    </message>
    <message>
        <source>Email senden</source>
        <translation>Email senden</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>Homepage: %1</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Schließen</translation>
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
        <translation>---Thema wählen---</translation>
    </message>
    <message>
        <source>Dateneingabe</source>
        <translation>Dateneingabe</translation>
    </message>
    <message>
        <source>Öffnen / Speichern</source>
        <translation>Öffnen / Speichern</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Fehler in der Darstellung</source>
        <translation>Fehler in der Darstellung</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>Fehler beim Drucken</source>
        <translation>Fehler beim Drucken</translation>
    </message>
    <message>
        <source>Fehler bei Programmstart</source>
        <translation>Fehler bei Programmstart</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Dateneingabe:

Die Übersetzungen der sechs Gänge, die Primärübersetzung und die Zähnezahlen von Ritzel (&quot;Pignon&quot;) und Kettenrad (&quot;Couronne&quot;) stehen in der Betriebsanleitung Ihres Motorrads oder im Werkstatthandbuch. Finden Sie sie dort nicht, kann Ihnen Ihr Händler die Werte nennen.
Die Reifenwerte stehen in den Fahrzeugpapieren oder auf der Flanke des Reifens selbst: Bei der Angabe 190/50 ZR 17 ist 190 die Reifenbreite in Millimetern, 50 die Reifenhöhe in Prozent der Breite und 17 der Felgendurchmesser in Zoll.
Kommazahlen geben Sie mit dem Dezimaltrennzeichen Ihrer Ländereinstellung ein, zum Beispiel 1,84.
Sind alle Werte eingetragen, klicken Sie auf &quot;Berechnen&quot; (die Schaltfläche &quot;Calculer&quot;). Die Ergebnisse erscheinen in den grauen Feldern, und das Diagramm wird neu gezeichnet.
Änderungen an Reifen, Ritzel, Kettenrad und Übersetzungen zählen erst ab dem nächsten Klick auf &quot;Calculer&quot;; Gang, Drehzahl, Schlupf, Schaltmarke und roter Bereich rechnen sofort neu.</source>
        <translation>Dateneingabe:

Die Übersetzungen der sechs Gänge, die Primärübersetzung und die Zähnezahlen von Ritzel und Kettenrad stehen in der Betriebsanleitung Ihres Motorrads oder im Werkstatthandbuch. Finden Sie sie dort nicht, kann Ihnen Ihr Händler die Werte nennen.
Die Reifenwerte stehen in den Fahrzeugpapieren oder auf der Flanke des Reifens selbst: Bei der Angabe 190/50 ZR 17 ist 190 die Reifenbreite in Millimetern, 50 die Reifenhöhe in Prozent der Breite und 17 der Felgendurchmesser in Zoll.
Kommazahlen geben Sie mit dem Dezimaltrennzeichen Ihrer Ländereinstellung ein, zum Beispiel 1,84.
Sind alle Werte eingetragen, klicken Sie auf &quot;Rechnen&quot;. Die Ergebnisse erscheinen in den grauen Feldern, und das Diagramm wird neu gezeichnet.
Änderungen an Reifen, Ritzel, Kettenrad und Übersetzungen zählen erst ab dem nächsten Klick auf &quot;Rechnen&quot;; Gang, Drehzahl, Schlupf, Schaltmarke und roter Bereich rechnen sofort neu.</translation>
    </message>
    <message>
        <source>Öffnen:
Über &quot;Datei&quot; (&quot;Fichier&quot;) und dann &quot;Öffnen&quot; (&quot;Ouvrir&quot;) laden Sie einen gespeicherten Datensatz. Alle Werte werden eingetragen und sofort neu berechnet; der Name der Datei steht oben rechts neben &quot;Fichier&quot;.

Speichern:
Über &quot;Datei&quot; und dann &quot;Werte speichern&quot; (&quot;Enregistrer sous..&quot;) speichern Sie die aktuellen Werte unter einem Namen Ihrer Wahl. Die Dateien haben die Endung &quot;tva&quot;.
Die Dateien sind sehr klein und lassen sich deshalb leicht per Diskette oder Mail weitergeben, zum Beispiel um eine bewährte Übersetzung für eine Rennstrecke mit Freunden auszutauschen.</source>
        <translation>Öffnen:
Über &quot;Datei&quot; und dann &quot;Öffnen&quot; laden Sie einen gespeicherten Datensatz. Alle Werte werden eingetragen und sofort neu berechnet; der Name der Datei steht oben rechts neben &quot;Datei&quot;.

Speichern:
Über &quot;Datei&quot; und dann &quot;Werte speichern&quot; speichern Sie die aktuellen Werte unter einem Namen Ihrer Wahl. Die Dateien haben die Endung &quot;tva&quot;.
Die Dateien sind sehr klein und lassen sich deshalb leicht per Diskette oder Mail weitergeben, zum Beispiel um eine bewährte Übersetzung für eine Rennstrecke mit Freunden auszutauschen.</translation>
    </message>
    <message>
        <source>Drucken:

Über &quot;Datei&quot; (&quot;Fichier&quot;) und dann &quot;Drucken&quot; (&quot;Imprimer&quot;) öffnet sich der gewohnte Druckdialog, in dem Sie den Drucker wählen und den Druck starten.
Gedruckt werden das Übersetzungsdiagramm, alle eingegebenen und berechneten Werte sowie der Kommentar aus dem Textfeld unter dem Diagramm. Dieser Text darf höchstens 70 Zeichen lang sein; nutzen Sie ihn für Motorrad, Strecke oder Datum, damit Sie den Ausdruck später wiedererkennen.</source>
        <translation>Drucken:

Über &quot;Datei&quot; und dann &quot;Drucken&quot; öffnet sich der gewohnte Druckdialog, in dem Sie den Drucker wählen und den Druck starten.
Gedruckt werden das Übersetzungsdiagramm, alle eingegebenen und berechneten Werte sowie der Kommentar aus dem Textfeld unter dem Diagramm. Dieser Text darf höchstens 70 Zeichen lang sein; nutzen Sie ihn für Motorrad, Strecke oder Datum, damit Sie den Ausdruck später wiedererkennen.</translation>
    </message>
    <message>
        <source>Fehler bei der Darstellung:

Das Programm braucht einen Bildschirm mit mindestens 800x600 Pixeln; bei einer kleineren Auflösung ist das Hauptfenster nicht vollständig zu sehen.
Ist das Raster des Diagramms gegenüber seiner Beschriftung verschoben oder werden Texte abgeschnitten, ist in den Anzeigeeinstellungen des Systems eine vergrößerte Schrift eingestellt. Stellen Sie dort kleine Schriftarten (100 %) ein und starten Sie das Programm neu.</source>
        <translation>Fehler bei der Darstellung:

Das Programm braucht einen Bildschirm mit mindestens 800x600 Pixeln; bei einer kleineren Auflösung ist das Hauptfenster nicht vollständig zu sehen.
Ist das Raster des Diagramms gegenüber seiner Beschriftung verschoben oder werden Texte abgeschnitten, ist in den Anzeigeeinstellungen des Systems eine vergrößerte Schrift eingestellt. Stellen Sie dort kleine Schriftarten (100 %) ein und starten Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen eines Datensatz:

Meldet das Programm beim Öffnen &quot;Dateizugriff verweigert&quot;, ist die &quot;TVA&quot;-Datei schreibgeschützt, zum Beispiel weil sie von einer CD kopiert wurde.
Entfernen Sie den Schreibschutz in den Eigenschaften der Datei (das Häkchen bei &quot;Schreibgeschützt&quot; entfernen) und öffnen Sie die Datei dann erneut. Danach lässt sich der Datensatz auch wieder unter seinem Namen speichern.</source>
        <translation>Fehler beim Öffnen eines Datensatz:

Meldet das Programm beim Öffnen &quot;Dateizugriff verweigert&quot;, ist die &quot;TVA&quot;-Datei schreibgeschützt, zum Beispiel weil sie von einer CD kopiert wurde.
Entfernen Sie den Schreibschutz in den Eigenschaften der Datei (das Häkchen bei &quot;Schreibgeschützt&quot; entfernen) und öffnen Sie die Datei dann erneut. Danach lässt sich der Datensatz auch wieder unter seinem Namen speichern.</translation>
    </message>
    <message>
        <source>Fehler beim Drucken:

Zum Drucken muss ein Druckertreiber installiert und ein Drucker eingerichtet sein. Kommt eine Meldung zur Druckerinstallation, prüfen Sie in den Systemeinstellungen, ob ein Drucker vorhanden und als Standarddrucker gewählt ist.
Reichen die Linien der oberen Gänge im Ausdruck ein wenig über das Diagramm hinaus, ist das harmlos: Diese Gänge erreichen bei hohen Drehzahlen Geschwindigkeiten jenseits der Skala. Die gedruckten Werte stimmen trotzdem.</source>
        <translation>Fehler beim Drucken:

Zum Drucken muss ein Druckertreiber installiert und ein Drucker eingerichtet sein. Kommt eine Meldung zur Druckerinstallation, prüfen Sie in den Systemeinstellungen, ob ein Drucker vorhanden und als Standarddrucker gewählt ist.
Reichen die Linien der oberen Gänge im Ausdruck ein wenig über das Diagramm hinaus, ist das harmlos: Diese Gänge erreichen bei hohen Drehzahlen Geschwindigkeiten jenseits der Skala. Die gedruckten Werte stimmen trotzdem.</translation>
    </message>
    <message>
        <source>Allgemeine Hinweise:

Alle Ergebnisse sind theoretische Werte. Luftwiderstand und Reibung bleiben unberücksichtigt, ebenso die Frage, ob die Leistung des Motors für die berechnete Geschwindigkeit überhaupt reicht.
Der Abrollumfang des Reifens wächst mit der Geschwindigkeit und ist je nach Hersteller und Reifentyp verschieden; dazu kommt der Schlupf zwischen Reifen und Fahrbahn, der über das Feld &quot;Glissement&quot; nur näherungsweise eingeht.
Das Programm zeigt vor allem, wie sich eine Änderung von Ritzel oder Kettenrad auf Geschwindigkeiten und Drehzahlen auswirkt. Wer die Geschwindigkeit genau wissen will, braucht ein Messgerät, etwa ein GPS-Gerät oder eine Lichtschranke.</source>
        <translation>Allgemeine Hinweise:

Alle Ergebnisse sind theoretische Werte. Luftwiderstand und Reibung bleiben unberücksichtigt, ebenso die Frage, ob die Leistung des Motors für die berechnete Geschwindigkeit überhaupt reicht.
Der Abrollumfang des Reifens wächst mit der Geschwindigkeit und ist je nach Hersteller und Reifentyp verschieden; dazu kommt der Schlupf zwischen Reifen und Fahrbahn, der über das Feld &quot;Schlupf&quot; nur näherungsweise eingeht.
Das Programm zeigt vor allem, wie sich eine Änderung von Ritzel oder Kettenrad auf Geschwindigkeiten und Drehzahlen auswirkt. Wer die Geschwindigkeit genau wissen will, braucht ein Messgerät, etwa ein GPS-Gerät oder eine Lichtschranke.</translation>
    </message>
    <message>
        <source>Fehler bei Programmstart:

Erscheint beim Start die Meldung &quot;1,84 ist kein gültiger Gleitkommawert&quot;, erwartet Ihre Ländereinstellung ein anderes Dezimaltrennzeichen als das Komma, zum Beispiel den Punkt.
Stellen Sie in den Regions- bzw. Ländereinstellungen des Systems das Komma als Dezimaltrennzeichen ein und starten Sie das Programm neu. Sie können auch in den Eingabefeldern das Komma durch das Trennzeichen Ihrer Einstellung ersetzen; beim Beenden werden die Werte so gespeichert.</source>
        <translation>Fehler bei Programmstart:

Erscheint beim Start die Meldung &quot;1,84 ist kein gültiger Gleitkommawert&quot;, erwartet Ihre Ländereinstellung ein anderes Dezimaltrennzeichen als das Komma, zum Beispiel den Punkt.
Stellen Sie in den Regions- bzw. Ländereinstellungen des Systems das Komma als Dezimaltrennzeichen ein und starten Sie das Programm neu. Sie können auch in den Eingabefeldern das Komma durch das Trennzeichen Ihrer Einstellung ersetzen; beim Beenden werden die Werte so gespeichert.</translation>
    </message>
    <message>
        <source>Neu in dieser Version:
 - mit Catenolix kann die erforderliche Kettenlänge ermittelt werden;
 - mit Pistorel können zusätzliche Informationen gespeichert werden;
   
 - paar Kleinigkeiten;</source>
        <translation>Neu in dieser Version:
 - mit Catenolix kann die erforderliche Kettenlänge ermittelt werden;
 - mit Pistorel können zusätzliche Informationen gespeichert werden;
   
 - paar Kleinigkeiten;</translation>
    </message>
    <message>
        <source>Hilfe und Hinweise</source>
        <translation>Hilfe und Hinweise</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>Homepage: %1</translation>
    </message>
    <message>
        <source>Hab&apos;s gelesen</source>
        <translation>Hab&apos;s gelesen</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Modell eingeben</source>
        <translation>Modell eingeben</translation>
    </message>
    <message>
        <source>Transmission actuelle</source>
        <translation>Aktueller Antrieb</translation>
    </message>
    <message>
        <source>Soll-Durchhang der Kette (cm):</source>
        <translation>Soll-Durchhang der Kette (cm):</translation>
    </message>
    <message>
        <source>Longueur de chaine actuelle:</source>
        <translation>Aktuelle Gliederzahl:</translation>
    </message>
    <message>
        <source>Länge eines Kettengliedes (cm):</source>
        <translation>Länge eines Kettengliedes (cm):</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Ritzel</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Kettenrad</translation>
    </message>
    <message>
        <source>aktuelle Kettenlänge (cm):</source>
        <translation>aktuelle Kettenlänge (cm):</translation>
    </message>
    <message>
        <source>aktueller Achsabstand (cm):</source>
        <translation>aktueller Achsabstand (cm):</translation>
    </message>
    <message>
        <source>Nouvelle transmission</source>
        <translation>Neuer Antrieb</translation>
    </message>
    <message>
        <source>couronne</source>
        <translation>Kettenrad</translation>
    </message>
    <message>
        <source>Longueur de chaine (maillon)</source>
        <translation>Kettenlänge (Glieder)</translation>
    </message>
    <message>
        <source>IST - Kettenlänge (cm):</source>
        <translation>IST - Kettenlänge (cm):</translation>
    </message>
    <message>
        <source>SOLL - Kettenlänge (cm):</source>
        <translation>SOLL - Kettenlänge (cm):</translation>
    </message>
    <message>
        <source>SOLL - Achsabstand (cm):</source>
        <translation>SOLL - Achsabstand (cm):</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Moto</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Bezeichnung eingeben</source>
        <translation>Bezeichnung eingeben</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Werte behalten?</source>
        <translation>Werte behalten?</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Typ angeben</source>
        <translation>Typ angeben</translation>
    </message>
    <message>
        <source>sonnig</source>
        <translation>sonnig</translation>
    </message>
    <message>
        <source>bedeckt</source>
        <translation>bedeckt</translation>
    </message>
    <message>
        <source>regnerisch</source>
        <translation>regnerisch</translation>
    </message>
    <message>
        <source>wechselhaft</source>
        <translation>wechselhaft</translation>
    </message>
    <message>
        <source>Weitere Notizen</source>
        <translation>Weitere Notizen</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Moto</source>
        <translation>Motorrad</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Typ: </translation>
    </message>
    <message>
        <source>Pneumatiques</source>
        <translation>Reifen</translation>
    </message>
    <message>
        <source>Avant: </source>
        <translation>Vorne: </translation>
    </message>
    <message>
        <source>Arrière: </source>
        <translation>Hinten: </translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Marque</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Modèle</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Mischung</translation>
    </message>
    <message>
        <source>Press.</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Moteur</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Filtre à air</source>
        <translation>Luftfilter</translation>
    </message>
    <message>
        <source>Cornets</source>
        <translation>Trichter</translation>
    </message>
    <message>
        <source>Collecteur</source>
        <translation>Krümmer</translation>
    </message>
    <message>
        <source>Silencieux</source>
        <translation>Endtopf</translation>
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
        <translation>Düsen</translation>
    </message>
    <message>
        <source>Démultiplication</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Pignon </source>
        <translation>Ritzel </translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Kettenrad</translation>
    </message>
    <message>
        <source>Primaire </source>
        <translation>Primär </translation>
    </message>
    <message>
        <source>Suspensions</source>
        <translation>Fahrwerk</translation>
    </message>
    <message>
        <source>Précharge</source>
        <translation>Vorspannung</translation>
    </message>
    <message>
        <source>Détente</source>
        <translation>Zugstufe</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Druckstufe</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Ressort</source>
        <translation>Feder</translation>
    </message>
    <message>
        <source>Freins</source>
        <translation>Bremsen</translation>
    </message>
    <message>
        <source>Avant</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <source>Arrière</source>
        <translation>Hinten</translation>
    </message>
    <message>
        <source>Disques</source>
        <translation>Scheiben</translation>
    </message>
    <message>
        <source>Plaquettes</source>
        <translation>Beläge</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Nom: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>.txt wurde gespeichert.</source>
        <translation>.txt wurde gespeichert.</translation>
    </message>
    <message>
        <source>Température d air (°C)</source>
        <translation>Lufttemperatur (°C)</translation>
    </message>
    <message>
        <source>Température de piste(°C)</source>
        <translation>Streckentemperatur (°C)</translation>
    </message>
    <message>
        <source>Sensations</source>
        <translation>Witterung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Temps au tour</source>
        <translation>Rundenzeit</translation>
    </message>
    <message>
        <source>Commentaires</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Werte ausdrucken</source>
        <translation>Werte ausdrucken</translation>
    </message>
    <message>
        <source>Werte in txt-Datei speichern</source>
        <translation>Werte in txt-Datei speichern</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Bitte Streckenname angeben.</source>
        <translation>Bitte Streckenname angeben.</translation>
    </message>
    <message>
        <source>Fehler beim Speichern.</source>
        <translation>Fehler beim Speichern.</translation>
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
        <translation>Die eingebenen Werte bleiben erhalten, so lange 
Trovanta nicht beendet wird.

Werte behalten?
Ist das Häkchen gesetzt, werden alle Werte in der 
Datei catenolix.ini gespeichert und sind beim 
nächsten Start von Trovanta wieder da. Die Datei 
lässt sich mit einem Editor öffnen und drucken; 
eigene Notizen können Sie dort ergänzen.

Vielen Dank an den Freund, der die Idee hatte 
und mir die Formeln aus seinem eigenen, 
früheren Programm überlassen hat.</translation>
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
        <translation>Die eingebenen Werte bleiben erhalten.
Alle Werte können zusätzlich in einer
Textdatei gespeichert werden, die den
Namen der Strecke trägt, sofern ein
Streckenname eingegeben wurde.
Ansonsten gibt es keine Pflichtfelder.
Die Textdatei wird im Verzeichnis
gespeichert, in dem das Programm liegt.

Vielen Dank an den, der als Erster
die Idee dazu hatte.</translation>
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
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Développement nominal du pneu</source>
        <translation>Nenn-Abrollumfang des Reifens</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Développement de la fenêtre principale</source>
        <translation>Abrollumfang des Hauptfensters</translation>
    </message>
    <message>
        <source>π × (25,4 × jante + 2 × largeur × hauteur / 100), du dernier calcul réussi</source>
        <translation>π × (25,4 × Felge + 2 × Breite × Höhe / 100), aus der letzten gelungenen Berechnung</translation>
    </message>
    <message>
        <source>Le développement avec lequel la fenêtre principale calcule</source>
        <translation>Der Abrollumfang, mit dem das Hauptfenster rechnet</translation>
    </message>
    <message>
        <source>Déroulé</source>
        <translation>Abrollen</translation>
    </message>
    <message>
        <source>Point GPS</source>
        <translation>GPS-Punkt</translation>
    </message>
    <message>
        <source>Enregistreur</source>
        <translation>Datenlogger</translation>
    </message>
    <message>
        <source>Compteur</source>
        <translation>Tacho</translation>
    </message>
    <message>
        <source>Marquez le pneu arrière et le sol, faites rouler la moto en ligne droite, pilote en selle et pneu à sa pression, sur un ou plusieurs tours de roue, puis mesurez la distance.</source>
        <translation>Hinterreifen und Boden markieren, das Motorrad mit aufsitzendem Fahrer und richtigem Reifendruck eine oder mehrere Radumdrehungen geradeaus rollen lassen, dann die Strecke messen.</translation>
    </message>
    <message>
        <source>Distance parcourue</source>
        <translation>Gerollte Strecke</translation>
    </message>
    <message>
        <source>Tours de roue</source>
        <translation>Radumdrehungen</translation>
    </message>
    <message>
        <source>Développement</source>
        <translation>Abrollumfang</translation>
    </message>
    <message>
        <source>Écart au nominal</source>
        <translation>Abweichung vom Nennwert</translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Ce développement dans la fenêtre principale (« Changer » coché), puis un calcul</source>
        <translation>Dieser Abrollumfang ins Hauptfenster („Ändern“ angekreuzt), dann eine Berechnung</translation>
    </message>
    <message>
        <source>La vitesse d&apos;un GPS, lue en prise à régime stable, embrayage relâché, sur le plat. Le rapport et le glissement sont ceux de la fenêtre principale.</source>
        <translation>Die Geschwindigkeit eines GPS, abgelesen im Gang bei gleichbleibender Drehzahl, Kupplung losgelassen, in der Ebene. Gang und Schlupf sind die des Hauptfensters.</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Gang</translation>
    </message>
    <message>
        <source>Régime</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>Vitesse GPS</source>
        <translation>GPS-Geschwindigkeit</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>L&apos;export CSV d&apos;un enregistreur ou d&apos;une application de chronométrage, avec une colonne de régime et une de vitesse. Chaque point est rangé dans son rapport d&apos;après la fenêtre principale, et rangé à nouveau quand un calcul de celle-ci change ses rapports.</source>
        <translation>Der CSV-Export eines Datenloggers oder einer Zeitnahme-App, mit einer Spalte für die Drehzahl und einer für die Geschwindigkeit. Jeder Punkt wird nach dem Hauptfenster seinem Gang zugeordnet, und neu zugeordnet, wenn eine Berechnung dort die Gänge ändert.</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Le glissement qui accorde les rapports 4 à 6 au développement des rapports 1 à 3</source>
        <translation>Der Schlupf, der die Gänge 4 bis 6 mit dem Abrollumfang der Gänge 1 bis 3 in Einklang bringt</translation>
    </message>
    <message>
        <source>Glissement mesuré</source>
        <translation>Gemessener Schlupf</translation>
    </message>
    <message>
        <source>Points retenus / lignes lues</source>
        <translation>Verwendete Punkte / gelesene Zeilen</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Dévelop. mm</source>
        <translation>Umfang mm</translation>
    </message>
    <message>
        <source>Écart %</source>
        <translation>Abw. %</translation>
    </message>
    <message>
        <source>Contrôle</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Ce développement et le glissement mesuré dans la fenêtre principale, puis un calcul</source>
        <translation>Dieser Abrollumfang und der gemessene Schlupf ins Hauptfenster, dann eine Berechnung</translation>
    </message>
    <message>
        <source>Appliquer quand même</source>
        <translation>Trotzdem übernehmen</translation>
    </message>
    <message>
        <source>Ce qu&apos;indique le compteur et la vitesse réelle (GPS) au même instant, puis l&apos;erreur qu&apos;il aura avec d&apos;autres pignons ou un autre pneu.</source>
        <translation>Was der Tacho anzeigt und die wahre Geschwindigkeit (GPS) im selben Augenblick, dann der Fehler, den er mit anderem Ritzel/Kettenrad oder einem anderen Reifen haben wird.</translation>
    </message>
    <message>
        <source>sortie de boîte</source>
        <translation>Getriebeausgang</translation>
    </message>
    <message>
        <source>roue arrière</source>
        <translation>Hinterrad</translation>
    </message>
    <message>
        <source>Le compteur indique</source>
        <translation>Tacho zeigt</translation>
    </message>
    <message>
        <source>Vitesse réelle (GPS)</source>
        <translation>Wahre Geschwindigkeit (GPS)</translation>
    </message>
    <message>
        <source>Erreur du compteur</source>
        <translation>Tachofehler</translation>
    </message>
    <message>
        <source>Capteur du compteur</source>
        <translation>Tachogeber</translation>
    </message>
    <message>
        <source>Après le changement de pignons ou de pneu</source>
        <translation>Nach dem Wechsel von Ritzel/Kettenrad oder Reifen</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Ritzel</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Kettenrad</translation>
    </message>
    <message>
        <source>Affichage à 100 km/h réels</source>
        <translation>Anzeige bei wahren 100 km/h</translation>
    </message>
    <message>
        <source>La fenêtre principale ne calcule pas : </source>
        <translation>Das Hauptfenster rechnet nicht: </translation>
    </message>
    <message>
        <source>La fenêtre principale n&apos;a pas encore calculé : cliquez sur « Calculer ».</source>
        <translation>Das Hauptfenster hat noch nicht gerechnet: Klicken Sie auf „Rechnen“.</translation>
    </message>
    <message>
        <source>%1 des %2 points en mouvement seulement tombent dans un rapport : vérifiez le primaire, le pignon, la couronne et les rapports de la fenêtre principale.</source>
        <translation>Nur %1 der %2 Punkte in Fahrt fallen in einen Gang: Prüfen Sie Primärübersetzung, Ritzel, Kettenrad und Gänge im Hauptfenster.</translation>
    </message>
    <message>
        <source>Trop peu de points en %1 alors que les régimes du fichier y conduisent : vérifiez ce rapport dans la fenêtre principale.</source>
        <translation>Zu wenige Punkte im Gang %1, obwohl die Drehzahlen der Datei dorthin führen: Prüfen Sie diesen Gang im Hauptfenster.</translation>
    </message>
    <message>
        <source>« Appliquer » attend que vous cochiez « Appliquer quand même ».</source>
        <translation>„Übernehmen“ wartet, bis Sie „Trotzdem übernehmen“ ankreuzen.</translation>
    </message>
    <message>
        <source>Trop peu de points en 1re, 2e et 3e (100 dans deux d&apos;entre elles) pour mesurer le glissement : le développement vient de tous les rapports, avec le glissement de la fenêtre principale.</source>
        <translation>Zu wenige Punkte im 1., 2. und 3. Gang (100 in zweien davon), um den Schlupf zu messen: Der Abrollumfang kommt aus allen Gängen, mit dem Schlupf des Hauptfensters.</translation>
    </message>
    <message>
        <source>Ouvrir un enregistrement</source>
        <translation>Aufzeichnung öffnen</translation>
    </message>
    <message>
        <source>Enregistrements (*.csv *.txt)</source>
        <translation>Aufzeichnungen (*.csv *.txt)</translation>
    </message>
    <message>
        <source>%1 (par défaut)</source>
        <translation>%1 (Vorgabe)</translation>
    </message>
    <message>
        <source>Régime « %1 », vitesse « %2 » en %3 ; en-tête ligne %4, lignes illisibles : %5</source>
        <translation>Drehzahl „%1“, Geschwindigkeit „%2“ in %3; Kopfzeile %4, unlesbare Zeilen: %5</translation>
    </message>
    <message>
        <source>à vérifier</source>
        <translation>prüfen</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::CircuitTab</name>
    <message>
        <source>nom d&apos;un nouveau circuit, puis Entrée</source>
        <translation>Name einer neuen Strecke, dann Enter</translation>
    </message>
    <message>
        <source>Vos circuits. Un nom nouveau suivi d&apos;Entrée en ajoute un.</source>
        <translation>Ihre Strecken. Ein neuer Name mit Enter fügt eine hinzu.</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Supprime le circuit choisi</source>
        <translation>Löscht die gewählte Strecke</translation>
    </message>
    <message>
        <source>La décélération la plus forte au freinage, en g (1,0 : freinage fort sur le sec)</source>
        <translation>Die stärkste Verzögerung beim Bremsen, in g (1,0: starkes Bremsen auf trockener Fahrbahn)</translation>
    </message>
    <message>
        <source>Virage</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Vitesse mini (km/h)</source>
        <translation>Kurventempo (km/h)</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Gang</translation>
    </message>
    <message>
        <source>Ligne droite après (m)</source>
        <translation>Gerade danach (m)</translation>
    </message>
    <message>
        <source>Un virage par ligne, dans l&apos;ordre du tour ; la dernière ligne droite mène au premier virage. Rapport vide : celui des passages optimaux à cette vitesse.</source>
        <translation>Eine Kurve pro Zeile, in der Reihenfolge der Runde; die letzte Gerade führt zur ersten Kurve. Gang leer: der Gang der optimalen Schaltpunkte bei diesem Tempo.</translation>
    </message>
    <message>
        <source>Ligne droite</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Supprimer le virage</source>
        <translation>Kurve löschen</translation>
    </message>
    <message>
        <source>Supprime les virages choisis</source>
        <translation>Löscht die gewählten Kurven</translation>
    </message>
    <message>
        <source>Temps (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>Au freinage (km/h)</source>
        <translation>Beim Bremsen (km/h)</translation>
    </message>
    <message>
        <source>Régime (tr/min)</source>
        <translation>Drehzahl (U/min)</translation>
    </message>
    <message>
        <source>Marge au limiteur</source>
        <translation>Abstand zum Begrenzer</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Au freinage</source>
        <translation>Beim Bremsen</translation>
    </message>
    <message>
        <source>limiteur sur 0000 m</source>
        <translation>0000 m im Begrenzer</translation>
    </message>
    <message>
        <source>sous la courbe</source>
        <translation>unter der Kennlinie</translation>
    </message>
    <message>
        <source>Temps des lignes droites (s)</source>
        <translation>Zeit der Geraden (s)</translation>
    </message>
    <message>
        <source>La somme des lignes droites, chacune du virage au point de freinage puis au virage suivant. Ce n&apos;est pas un temps au tour : dans ce modèle, les virages eux-mêmes ne prennent aucun temps.</source>
        <translation>Die Summe der Geraden, jede von der Kurve zum Bremspunkt und dann zur nächsten Kurve. Das ist keine Rundenzeit: In diesem Modell kosten die Kurven selbst keine Zeit.</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Freinage maxi (g)</source>
        <translation>Max. Verzögerung (g)</translation>
    </message>
    <message>
        <source>« %1 » est réservé : choisissez un autre nom.</source>
        <translation>„%1“ ist reserviert: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Ce nom ne peut pas être enregistré : sans crochets ni caractères spéciaux.</source>
        <translation>Dieser Name lässt sich nicht speichern: bitte ohne eckige Klammern und Sonderzeichen.</translation>
    </message>
    <message>
        <source>Supprimer le circuit « %1 » et ses virages ?</source>
        <translation>Die Strecke „%1“ mit ihren Kurven löschen?</translation>
    </message>
    <message>
        <source>Virage %1</source>
        <translation>Kurve %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>Le freinage maxi doit être supérieur à zéro.</source>
        <translation>Die maximale Verzögerung muss größer als null sein.</translation>
    </message>
    <message>
        <source>Virage %1 : </source>
        <translation>Kurve %1: </translation>
    </message>
    <message>
        <source>la vitesse doit être supérieure à zéro.</source>
        <translation>das Tempo muss größer als null sein.</translation>
    </message>
    <message>
        <source>un rapport de 1 à 6, ou vide pour celui des passages optimaux.</source>
        <translation>ein Gang von 1 bis 6, oder leer für den der optimalen Schaltpunkte.</translation>
    </message>
    <message>
        <source>la ligne droite doit être plus longue que zéro.</source>
        <translation>die Gerade muss länger als null sein.</translation>
    </message>
    <message>
        <source>Tapez le nom d&apos;un circuit puis Entrée pour l&apos;ajouter.</source>
        <translation>Namen einer Strecke eingeben, dann Enter, um sie hinzuzufügen.</translation>
    </message>
    <message>
        <source>Tapez les virages du circuit dans l&apos;ordre du tour.</source>
        <translation>Geben Sie die Kurven der Strecke in der Reihenfolge der Runde ein.</translation>
    </message>
    <message>
        <source>Les lignes droites attendent un calcul de la fenêtre principale, une courbe et des valeurs de la moto complètes.</source>
        <translation>Die Geraden warten auf eine Berechnung im Hauptfenster, eine Motorkennlinie und vollständige Werte des Motorrads.</translation>
    </message>
    <message>
        <source>limiteur sur %1 m</source>
        <translation>%1 m im Begrenzer</translation>
    </message>
    <message>
        <source>en %1e à %2, le moteur dépasse %3 tr/min</source>
        <translation>im %1. Gang bei %2 dreht der Motor über %3 U/min</translation>
    </message>
    <message>
        <source>trop courte pour freiner de %1 à %2 km/h</source>
        <translation>zu kurz, um von %1 auf %2 km/h zu bremsen</translation>
    </message>
    <message>
        <source>la moto n&apos;avance pas dans ce rapport</source>
        <translation>das Motorrad kommt in diesem Gang nicht voran</translation>
    </message>
    <message>
        <source>plus de dix minutes</source>
        <translation>mehr als zehn Minuten</translation>
    </message>
    <message>
        <source>virage suivant plus rapide : %1 au bout</source>
        <translation>nächste Kurve schneller: %1 am Ende</translation>
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
        <translation>Fahrleistungen</translation>
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
        <translation>Differenz</translation>
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
        <translation>Höchstgeschw. (km/h)</translation>
    </message>
    <message>
        <source>Circuit (s)</source>
        <translation>Strecke (s)</translation>
    </message>
    <message>
        <source>A et B avec la courbe et la moto de la fenêtre Performances. Circuit : le temps des lignes droites du circuit actuel, pas un temps au tour.</source>
        <translation>A und B mit der Kennlinie und dem Motorrad des Fensters Fahrleistungen. Strecke: die Zeit der Geraden der aktuellen Strecke, keine Rundenzeit.</translation>
    </message>
    <message>
        <source>%1 (%2e)</source>
        <translation>%1 (%2. Gang)</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::CompareWindow</name>
    <message>
        <source>Diamètre de jante (&quot;)</source>
        <translation>Felgengröße (&quot;)</translation>
    </message>
    <message>
        <source>Largeur pneu(mm)</source>
        <translation>Reifenbreite (mm)</translation>
    </message>
    <message>
        <source>Hauteur pneu (%)</source>
        <translation>Reifenhöhe (%)</translation>
    </message>
    <message>
        <source>Glissement(%)</source>
        <translation>Schlupf (%)</translation>
    </message>
    <message>
        <source>Développement (mm)</source>
        <translation>Abrollumfang (mm)</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Ritzel</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Kettenrad</translation>
    </message>
    <message>
        <source>Primaire</source>
        <translation>Primärübersetzung</translation>
    </message>
    <message>
        <source>Rapport 1</source>
        <translation>Gang 1</translation>
    </message>
    <message>
        <source>Rapport 2</source>
        <translation>Gang 2</translation>
    </message>
    <message>
        <source>Rapport 3</source>
        <translation>Gang 3</translation>
    </message>
    <message>
        <source>Rapport 4</source>
        <translation>Gang 4</translation>
    </message>
    <message>
        <source>Rapport 5</source>
        <translation>Gang 5</translation>
    </message>
    <message>
        <source>Rapport 6</source>
        <translation>Gang 6</translation>
    </message>
    <message>
        <source>Comparaison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Dents de scie</source>
        <translation>Sägezahn</translation>
    </message>
    <message>
        <source>Régime sur vitesse : chaque rapport jusqu&apos;au passage, puis la chute du régime au rapport suivant.</source>
        <translation>Drehzahl über Geschwindigkeit: jeder Gang bis zum Schalten, dann der Drehzahlabfall im nächsten Gang.</translation>
    </message>
    <message>
        <source>Points de la piste</source>
        <translation>Streckenpunkte</translation>
    </message>
    <message>
        <source>Rapports</source>
        <translation>Gänge</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Jeux de démultiplication</source>
        <translation>Übersetzungen</translation>
    </message>
    <message>
        <source>A  Actuel</source>
        <translation>A  Aktuell</translation>
    </message>
    <message>
        <source>B  Variante</source>
        <translation>B  Variante</translation>
    </message>
    <message>
        <source>calculé</source>
        <translation>berechnet</translation>
    </message>
    <message>
        <source>Vide : calculé à partir du pneu. Un nombre : utilisé tel quel.</source>
        <translation>Leer: aus dem Reifen berechnet. Eine Zahl: so verwendet.</translation>
    </message>
    <message>
        <source>Vide : la fenêtre principale calcule le développement à partir du pneu.</source>
        <translation>Leer: Das Hauptfenster berechnet den Abrollumfang aus dem Reifen.</translation>
    </message>
    <message>
        <source>Copier A → B</source>
        <translation>A → B kopieren</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Enregistrer sous…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Appliquer à la fenêtre principale</source>
        <translation>Ins Hauptfenster übernehmen</translation>
    </message>
    <message>
        <source>Les valeurs de A dans les champs de B.</source>
        <translation>Die Werte von A in die Felder von B.</translation>
    </message>
    <message>
        <source>Un fichier de démultiplication dans B ; glissement et développement restent.</source>
        <translation>Eine Übersetzungsdatei in B; Schlupf und Abrollumfang bleiben.</translation>
    </message>
    <message>
        <source>B dans un fichier de démultiplication, avec le titre et les marques de A.</source>
        <translation>B in eine Übersetzungsdatei, mit Titel, Schaltmarke und rotem Bereich von A.</translation>
    </message>
    <message>
        <source>B dans la fenêtre principale, puis un calcul.</source>
        <translation>B ins Hauptfenster, dann eine Berechnung.</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Ergebnisse</translation>
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
        <translation>Sekundärübersetzung</translation>
    </message>
    <message>
        <source>Écart du secondaire</source>
        <translation>Änderung der Sekundärübersetzung</translation>
    </message>
    <message>
        <source>Régime à</source>
        <translation>Drehzahl bei</translation>
    </message>
    <message>
        <source>Régime à … km/h en 6e</source>
        <translation>Drehzahl bei … km/h im 6. Gang</translation>
    </message>
    <message>
        <source>km/h en 6e</source>
        <translation>km/h im 6. Gang</translation>
    </message>
    <message>
        <source>Démulti. B</source>
        <translation>Übers. B</translation>
    </message>
    <message>
        <source>Passage : vitesse au régime de passage. Régime après : régime au rapport suivant à cette vitesse. Vmax : à la zone rouge.</source>
        <translation>Schalten: Geschwindigkeit bei der Schaltdrehzahl. Drehzahl nach: Drehzahl im nächsten Gang bei dieser Geschwindigkeit. Vmax: am roten Bereich.</translation>
    </message>
    <message>
        <source>Régime A</source>
        <translation>Drehzahl A</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Gang</translation>
    </message>
    <message>
        <source>Vos points de la piste : la vitesse et le rapport donnent le régime de A et de B. Rouge : au-delà de la zone rouge.</source>
        <translation>Ihre Streckenpunkte: Geschwindigkeit und Gang ergeben die Drehzahl von A und B. Rot: über dem roten Bereich.</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un rapport de 1 à 6.</source>
        <translation>%1 ist kein Gang von 1 bis 6.</translation>
    </message>
    <message>
        <source>Point %1 (%2)</source>
        <translation>Punkt %1 (%2)</translation>
    </message>
    <message>
        <source>Démulti. A</source>
        <translation>Übers. A</translation>
    </message>
    <message>
        <source>Écart %</source>
        <translation>Änd. %</translation>
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
        <translation>Schalten A</translation>
    </message>
    <message>
        <source>Passage B</source>
        <translation>Schalten B</translation>
    </message>
    <message>
        <source>Régime après A</source>
        <translation>Drehzahl nach A</translation>
    </message>
    <message>
        <source>Régime après B</source>
        <translation>Drehzahl nach B</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Régime B</source>
        <translation>Drehzahl B</translation>
    </message>
    <message>
        <source>La fenêtre principale ne calcule pas : </source>
        <translation>Das Hauptfenster rechnet nicht: </translation>
    </message>
    <message>
        <source>La fenêtre principale n&apos;a pas encore calculé : A suit son prochain calcul.</source>
        <translation>Das Hauptfenster hat noch nicht gerechnet: A folgt seiner nächsten Berechnung.</translation>
    </message>
    <message>
        <source>A  Actuel %1/%2</source>
        <translation>A  Aktuell %1/%2</translation>
    </message>
    <message>
        <source>B  Variante %1/%2</source>
        <translation>B  Variante %1/%2</translation>
    </message>
    <message>
        <source>Passage à %1 tr/min</source>
        <translation>Schalten bei %1 U/min</translation>
    </message>
    <message>
        <source>Zone rouge dès %1 tr/min</source>
        <translation>Roter Bereich ab %1 U/min</translation>
    </message>
    <message>
        <source>Régime x 1000</source>
        <translation>Drehzahl x 1000</translation>
    </message>
    <message>
        <source>Le diagramme attend un calcul de la fenêtre principale.</source>
        <translation>Das Diagramm wartet auf eine Berechnung des Hauptfensters.</translation>
    </message>
    <message>
        <source>Pignon/couronne · pneu · glissement · développement · primaire · rapports 1 à 6</source>
        <translation>Ritzel/Kettenrad · Reifen · Schlupf · Abrollumfang · Primärübersetzung · Gänge 1 bis 6</translation>
    </message>
    <message>
        <source>%1 : %2/%3 · %4/%5-%6 · %7 % · %8 mm · %9 · %10</source>
        <translation>%1: %2/%3 · %4/%5-%6 · %7 % · %8 mm · %9 · %10</translation>
    </message>
    <message>
        <source>Secondaire : A %1 · B %2 · écart %3</source>
        <translation>Sekundärübersetzung: A %1 · B %2 · Änderung %3</translation>
    </message>
    <message>
        <source>Développement (mm) : A %1 · B %2</source>
        <translation>Abrollumfang (mm): A %1 · B %2</translation>
    </message>
    <message>
        <source>Régime à %1 km/h en 6e : A %2 · B %3</source>
        <translation>Drehzahl bei %1 km/h im 6. Gang: A %2 · B %3</translation>
    </message>
    <message>
        <source>Werte für Trovanta öffnen ...</source>
        <translation>Werte für Trovanta öffnen ...</translation>
    </message>
    <message>
        <source>Werte speichern ...</source>
        <translation>Werte speichern ...</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::ConverterWindow</name>
    <message>
        <source>Fermer</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::CurveModel</name>
    <message>
        <source>tr/min</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>Couple (Nm)</source>
        <translation>Drehmoment (Nm)</translation>
    </message>
    <message>
        <source>Puissance (kW)</source>
        <translation>Leistung (kW)</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::PerformanceWindow</name>
    <message>
        <source>0 à %1</source>
        <translation>0–%1</translation>
    </message>
    <message>
        <source>Performances</source>
        <translation>Fahrleistungen</translation>
    </message>
    <message>
        <source>Force à la roue</source>
        <translation>Zugkraft am Rad</translation>
    </message>
    <message>
        <source>Couple et puissance</source>
        <translation>Drehmoment und Leistung</translation>
    </message>
    <message>
        <source>Départ arrêté</source>
        <translation>Stehender Start</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Chercher les pignons</source>
        <translation>Übersetzung suchen</translation>
    </message>
    <message>
        <source>Ouvre « Pignons et chaîne » avec l&apos;écart du secondaire pour la vitesse maxi comme cible</source>
        <translation>Öffnet „Ritzel und Kette“ mit der Änderung der Sekundärübersetzung für die Höchstgeschwindigkeit als Ziel</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Courbe du moteur</source>
        <translation>Motorkennlinie</translation>
    </message>
    <message>
        <source>Tapez un point dans la dernière ligne ; les points se rangent par régime. Au-dessus du dernier point et de la zone rouge, le limiteur coupe.</source>
        <translation>Geben Sie einen Punkt in der letzten Zeile ein; die Punkte ordnen sich nach Drehzahl. Über dem letzten Punkt und dem roten Bereich regelt der Begrenzer ab.</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Lit l&apos;export CSV d&apos;un banc de puissance (régime et couple, ou puissance)</source>
        <translation>Liest den CSV-Export eines Leistungsprüfstands (Drehzahl und Drehmoment oder Leistung)</translation>
    </message>
    <message>
        <source>Exemple</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>La courbe d&apos;un 1000 cm³ de 169 ch à 11 000 tr/min</source>
        <translation>Die Kennlinie eines 1000-cm³-Motors mit 169 PS bei 11 000 U/min</translation>
    </message>
    <message>
        <source>Supprimer le point</source>
        <translation>Punkt löschen</translation>
    </message>
    <message>
        <source>Courbe mesurée à la roue</source>
        <translation>Kennlinie am Rad gemessen</translation>
    </message>
    <message>
        <source>Un banc à rouleau : les pertes de la transmission sont déjà dans la courbe (rendement 100 %)</source>
        <translation>Ein Rollenprüfstand: Die Verluste des Antriebs sind schon in der Kennlinie (Wirkungsgrad 100 %)</translation>
    </message>
    <message>
        <source>La moto</source>
        <translation>Das Motorrad</translation>
    </message>
    <message>
        <source>Masse avec pilote (kg)</source>
        <translation>Gewicht mit Fahrer (kg)</translation>
    </message>
    <message>
        <source>Traînée S·Cx (m²)</source>
        <translation>Luftwiderstand cw·A (m²)</translation>
    </message>
    <message>
        <source>Résistance au roulement</source>
        <translation>Rollwiderstandsbeiwert</translation>
    </message>
    <message>
        <source>Rendement de la transmission (%)</source>
        <translation>Wirkungsgrad des Antriebs (%)</translation>
    </message>
    <message>
        <source>Masses en rotation (%)</source>
        <translation>Rotierende Massen (%)</translation>
    </message>
    <message>
        <source>Accélération maxi (g)</source>
        <translation>Max. Beschleunigung (g)</translation>
    </message>
    <message>
        <source>Durée d&apos;un passage (s)</source>
        <translation>Dauer eines Gangwechsels (s)</translation>
    </message>
    <message>
        <source>Régime au départ (tr/min)</source>
        <translation>Startdrehzahl (U/min)</translation>
    </message>
    <message>
        <source>Température de l&apos;air (°C)</source>
        <translation>Lufttemperatur (°C)</translation>
    </message>
    <message>
        <source>Pression de l&apos;air (hPa)</source>
        <translation>Luftdruck (hPa)</translation>
    </message>
    <message>
        <source>La moto prête à rouler avec le pilote équipé. Typique : 200 à 330 kg.</source>
        <translation>Das fahrfertige Motorrad mit Fahrer in voller Ausrüstung. Typisch: 200 bis 330 kg.</translation>
    </message>
    <message>
        <source>Surface frontale × coefficient de traînée. Sportive, pilote couché : 0,30 à 0,40 m² ; routière, pilote droit : 0,5 à 0,7 m².</source>
        <translation>Stirnfläche × Luftwiderstandsbeiwert. Sportler, Fahrer liegend: 0,30 bis 0,40 m²; Tourer, Fahrer aufrecht: 0,5 bis 0,7 m².</translation>
    </message>
    <message>
        <source>Coefficient de résistance au roulement des pneus sur le bitume. Typique : 0,010 à 0,020.</source>
        <translation>Rollwiderstandsbeiwert der Reifen auf Asphalt. Typisch: 0,010 bis 0,020.</translation>
    </message>
    <message>
        <source>La part de la puissance du moteur qui arrive à la roue (primaire, boîte, chaîne). Typique : 85 à 92 %. Sans objet pour une courbe mesurée à la roue.</source>
        <translation>Der Anteil der Motorleistung, der am Rad ankommt (Primärübersetzung, Getriebe, Kette). Typisch: 85 bis 92 %. Entfällt bei einer am Rad gemessenen Kennlinie.</translation>
    </message>
    <message>
        <source>Roues, transmission et vilebrequin à mettre en rotation, en part de la masse, la même pour tous les rapports. Typique : 3 à 10 %.</source>
        <translation>Räder, Antrieb und Kurbelwelle, die mitbeschleunigt werden, als Anteil der Masse, in allen Gängen gleich. Typisch: 3 bis 10 %.</translation>
    </message>
    <message>
        <source>L&apos;accélération que le pneu et le cabrage permettent. Typique : 0,8 à 1,2 g.</source>
        <translation>Die Beschleunigung, die Reifen und Wheelie-Neigung zulassen. Typisch: 0,8 bis 1,2 g.</translation>
    </message>
    <message>
        <source>Le temps sans traction d&apos;un passage de rapport. Typique : 0,05 s (shifter) à 0,30 s.</source>
        <translation>Die Zeit ohne Zugkraft bei einem Gangwechsel. Typisch: 0,05 s (Schaltautomat) bis 0,30 s.</translation>
    </message>
    <message>
        <source>Le régime auquel l&apos;embrayage patine au départ. Typique : 6000 à 9000 tr/min pour une sportive.</source>
        <translation>Die Drehzahl, bei der die Kupplung beim Start schleift. Typisch: 6000 bis 9000 U/min bei einem Sportler.</translation>
    </message>
    <message>
        <source>Pour la densité de l&apos;air. Typique : 0 à 40 °C.</source>
        <translation>Für die Luftdichte. Typisch: 0 bis 40 °C.</translation>
    </message>
    <message>
        <source>La pression atmosphérique du lieu : 1013 hPa au niveau de la mer, environ 12 hPa de moins tous les 100 m. Typique : 850 à 1040 hPa.</source>
        <translation>Der Luftdruck am Ort: 1013 hPa auf Meereshöhe, etwa 12 hPa weniger alle 100 m. Typisch: 850 bis 1040 hPa.</translation>
    </message>
    <message>
        <source>Passages optimaux</source>
        <translation>Optimale Schaltpunkte</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Gang</translation>
    </message>
    <message>
        <source>Passage (tr/min)</source>
        <translation>Schalten (U/min)</translation>
    </message>
    <message>
        <source>Vitesse (km/h)</source>
        <translation>Tempo (km/h)</translation>
    </message>
    <message>
        <source>Régime après (tr/min)</source>
        <translation>Drehzahl danach (U/min)</translation>
    </message>
    <message>
        <source>Engagé à (s)</source>
        <translation>Eingelegt bei (s)</translation>
    </message>
    <message>
        <source>Engagé à (km/h)</source>
        <translation>Eingelegt bei (km/h)</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>400 m départ arrêté</source>
        <translation>400 m stehender Start</translation>
    </message>
    <message>
        <source>Vitesse aux 400 m</source>
        <translation>Tempo bei 400 m</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Vitesse maxi</source>
        <translation>Höchstgeschwindigkeit</translation>
    </message>
    <message>
        <source>La vitesse où la force à la roue ne dépasse plus la résistance, en suivant les rapports comme au départ arrêté</source>
        <translation>Das Tempo, bei dem die Zugkraft am Rad den Widerstand nicht mehr übersteigt, durch die Gänge wie beim stehenden Start</translation>
    </message>
    <message>
        <source>La vitesse la plus haute où le 6e rapport tire encore autant que la résistance</source>
        <translation>Das höchste Tempo, bei dem der 6. Gang noch so stark zieht wie der Widerstand</translation>
    </message>
    <message>
        <source>Le secondaire qui met le régime de puissance maxi à la vitesse maxi en 6e</source>
        <translation>Die Sekundärübersetzung, die die Drehzahl der Höchstleistung auf die Höchstgeschwindigkeit im 6. Gang legt</translation>
    </message>
    <message>
        <source>km/h en</source>
        <translation>km/h im</translation>
    </message>
    <message>
        <source>à</source>
        <translation>bei</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>En 6e</source>
        <translation>Im 6. Gang</translation>
    </message>
    <message>
        <source>Secondaire idéal</source>
        <translation>Beste Sekundärübersetzung</translation>
    </message>
    <message>
        <source>Repère de la fenêtre principale : %1 tr/min</source>
        <translation>Schaltmarke des Hauptfensters: %1 U/min</translation>
    </message>
    <message>
        <source>La courbe doit avoir au moins 2 points.</source>
        <translation>Die Kennlinie braucht mindestens 2 Punkte.</translation>
    </message>
    <message>
        <source>Courbe, point %1 : </source>
        <translation>Kennlinie, Punkt %1: </translation>
    </message>
    <message>
        <source>le régime manque.</source>
        <translation>die Drehzahl fehlt.</translation>
    </message>
    <message>
        <source>le couple manque.</source>
        <translation>das Drehmoment fehlt.</translation>
    </message>
    <message>
        <source>le régime doit être supérieur à 0.</source>
        <translation>die Drehzahl muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>le couple ne peut pas être négatif.</source>
        <translation>das Drehmoment darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>ce régime est déjà dans la courbe.</source>
        <translation>diese Drehzahl ist schon in der Kennlinie.</translation>
    </message>
    <message>
        <source>ce point ne convient pas.</source>
        <translation>dieser Punkt passt nicht.</translation>
    </message>
    <message>
        <source>Le jeu de rapports de la fenêtre principale ne permet pas de calculer.</source>
        <translation>Mit der Übersetzung des Hauptfensters lässt sich nicht rechnen.</translation>
    </message>
    <message>
        <source>La zone rouge de la fenêtre principale est sous le premier point de la courbe.</source>
        <translation>Der rote Bereich des Hauptfensters liegt unter dem ersten Punkt der Kennlinie.</translation>
    </message>
    <message>
        <source>« %1 » : la valeur doit être supérieure à 0.</source>
        <translation>„%1“: der Wert muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>« %1 » : la valeur ne peut pas être négative.</source>
        <translation>„%1“: der Wert darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>Le rendement doit être supérieur à 0 et au plus 100 %.</source>
        <translation>Der Wirkungsgrad muss größer als 0 und höchstens 100 % sein.</translation>
    </message>
    <message>
        <source>La température est sous le zéro absolu.</source>
        <translation>Die Temperatur liegt unter dem absoluten Nullpunkt.</translation>
    </message>
    <message>
        <source>« %1 » : cette valeur ne convient pas.</source>
        <translation>„%1“: dieser Wert passt nicht.</translation>
    </message>
    <message>
        <source>ne tire pas à %1</source>
        <translation>zieht nicht bei %1</translation>
    </message>
    <message>
        <source>limitée par la résistance de l&apos;air</source>
        <translation>begrenzt durch den Luftwiderstand</translation>
    </message>
    <message>
        <source>limitée par le régime</source>
        <translation>begrenzt durch die Drehzahl</translation>
    </message>
    <message>
        <source>%1 à %2 tr/min</source>
        <translation>%1 bei %2 U/min</translation>
    </message>
    <message>
        <source>La fenêtre principale ne calcule pas : %1 Les derniers résultats restent.</source>
        <translation>Das Hauptfenster rechnet nicht: %1 Die letzten Ergebnisse bleiben.</translation>
    </message>
    <message>
        <source>La fenêtre principale n&apos;a pas encore calculé : cliquez sur « Calculer ».</source>
        <translation>Das Hauptfenster hat noch nicht gerechnet: Klicken Sie auf „Rechnen“.</translation>
    </message>
    <message>
        <source>Courbe d&apos;exemple (1000 cm³, 169 ch à 11 000 tr/min) : remplacez-la par celle de votre moteur.</source>
        <translation>Beispielkennlinie (1000 cm³, 169 PS bei 11 000 U/min): Ersetzen Sie sie durch die Ihres Motors.</translation>
    </message>
    <message>
        <source>Ouvrir un export de banc</source>
        <translation>Prüfstandsexport öffnen</translation>
    </message>
    <message>
        <source>Exports de banc (*.csv *.txt)</source>
        <translation>Prüfstandsexporte (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Lecture de « %1 »…</source>
        <translation>„%1“ wird gelesen…</translation>
    </message>
    <message>
        <source>« %1 » donne %2 points, la courbe en tient au plus %3 : elle reste comme elle était.</source>
        <translation>„%1“ enthält %2 Punkte, die Kennlinie fasst höchstens %3: Sie bleibt, wie sie war.</translation>
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
        <translation>mkp</translation>
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
        <translation>%1 (Vorgabe)</translation>
    </message>
    <message>
        <source>couple</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>puissance</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>« %1 » : régime « %2 », %3 « %4 » en %5 ; %6 points, %7 lignes ignorées.</source>
        <translation>„%1“: Drehzahl „%2“, %3 „%4“ in %5; %6 Punkte, %7 Zeilen übersprungen.</translation>
    </message>
    <message>
        <source>Mesurée à la roue.</source>
        <translation>Am Rad gemessen.</translation>
    </message>
    <message>
        <source>« %1 » : %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>Pignons %1/%2, primaire %3, rapports %4, zone rouge %5 tr/min, développement %6 mm</source>
        <translation>Übersetzung %1/%2, Primär %3, Gänge %4, roter Bereich %5 U/min, Abrollumfang %6 mm</translation>
    </message>
    <message>
        <source> (mesurée à la roue)</source>
        <translation> (am Rad gemessen)</translation>
    </message>
    <message>
        <source>… et %1 points de plus</source>
        <translation>… und %1 weitere Punkte</translation>
    </message>
    <message>
        <source>(à la roue)</source>
        <translation>(am Rad)</translation>
    </message>
    <message>
        <source>Départ arrêté : %1 %2 s, %3 %4 s, 400 m en %5 s à %6 %7</source>
        <translation>Stehender Start: %1 %2 s, %3 %4 s, 400 m in %5 s mit %6 %7</translation>
    </message>
    <message>
        <source>Vitesse maxi : %1 km/h en %2 à %3 tr/min, %4</source>
        <translation>Höchstgeschwindigkeit: %1 km/h im %2. Gang bei %3 U/min, %4</translation>
    </message>
    <message>
        <source>En 6e : %1</source>
        <translation>Im 6. Gang: %1</translation>
    </message>
    <message>
        <source>Secondaire pour la vitesse maxi : %1 (%2), %3 km/h</source>
        <translation>Sekundärübersetzung für die Höchstgeschwindigkeit: %1 (%2), %3 km/h</translation>
    </message>
    <message>
        <source>Performances : %1</source>
        <translation>Fahrleistungen: %1</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::SprocketModel</name>
    <message>
        <source>oui</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>non</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Circuit (s)</source>
        <translation>Strecke (s)</translation>
    </message>
    <message>
        <source>Écart (s)</source>
        <translation>Differenz (s)</translation>
    </message>
    <message>
        <source>Plus longue</source>
        <translation>Längste</translation>
    </message>
    <message>
        <source>Temps des lignes droites du circuit actuel avec cette paire, s (pas un temps au tour)</source>
        <translation>Zeit auf den Geraden der aktuellen Strecke mit diesem Paar, s (keine Rundenzeit)</translation>
    </message>
    <message>
        <source>Écart de ce temps par rapport à la transmission actuelle, s</source>
        <translation>Differenz dieser Zeit zur aktuellen Übersetzung, s</translation>
    </message>
    <message>
        <source>La plus longue ligne droite : le rapport et le régime au freinage, ou la distance parcourue au limiteur en 6e</source>
        <translation>Die längste Gerade: Gang und Drehzahl beim Bremsen, oder die Strecke im Begrenzer im 6. Gang</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Ritzel</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Kettenrad</translation>
    </message>
    <message>
        <source>Secondaire</source>
        <translation>Sekundär</translation>
    </message>
    <message>
        <source>Écart %</source>
        <translation>Änd. %</translation>
    </message>
    <message>
        <source>Vmax 6e</source>
        <translation>Vmax 6. Gang</translation>
    </message>
    <message>
        <source>Chaîne actuelle</source>
        <translation>Aktuelle Kette</translation>
    </message>
    <message>
        <source>Tient</source>
        <translation>Passt</translation>
    </message>
    <message>
        <source>Maillons</source>
        <translation>Glieder</translation>
    </message>
    <message>
        <source>Déplacement</source>
        <translation>Verschiebung</translation>
    </message>
    <message>
        <source>Usure pignon</source>
        <translation>Verschleiß Ritzel</translation>
    </message>
    <message>
        <source>Usure couronne</source>
        <translation>Verschleiß Kettenrad</translation>
    </message>
    <message>
        <source>Dents du pignon</source>
        <translation>Zähne des Ritzels</translation>
    </message>
    <message>
        <source>Dents de la couronne</source>
        <translation>Zähne des Kettenrads</translation>
    </message>
    <message>
        <source>Rapport secondaire : couronne / pignon</source>
        <translation>Sekundärübersetzung: Kettenrad / Ritzel</translation>
    </message>
    <message>
        <source>Écart du secondaire par rapport à la transmission actuelle, en %</source>
        <translation>Änderung der Sekundärübersetzung gegenüber der aktuellen Übersetzung, in %</translation>
    </message>
    <message>
        <source>Vmax en 6e à la zone rouge, km/h, avec les autres valeurs de la fenêtre principale</source>
        <translation>Vmax im 6. Gang am roten Bereich, km/h, mit den übrigen Werten des Hauptfensters</translation>
    </message>
    <message>
        <source>Déplacement de l&apos;axe arrière avec la chaîne actuelle, mm (+ vers l&apos;arrière, - vers l&apos;avant)</source>
        <translation>Verschiebung der Hinterachse mit der aktuellen Kette, mm (+ nach hinten, - nach vorne)</translation>
    </message>
    <message>
        <source>oui : la chaîne actuelle tient dans la course de l&apos;axe arrière</source>
        <translation>ja: die aktuelle Kette passt in den Verstellweg der Hinterachse</translation>
    </message>
    <message>
        <source>Le nombre pair de maillons qui garde l&apos;axe arrière au plus près de sa place</source>
        <translation>Die gerade Gliederzahl, die die Hinterachse am nächsten an ihrer Stelle hält</translation>
    </message>
    <message>
        <source>Déplacement de l&apos;axe arrière avec ce nombre de maillons, mm (+ vers l&apos;arrière, - vers l&apos;avant)</source>
        <translation>Verschiebung der Hinterachse mit dieser Gliederzahl, mm (+ nach hinten, - nach vorne)</translation>
    </message>
    <message>
        <source>Dents différentes qu&apos;un maillon rencontre / dents du pignon ; égales : usure régulière</source>
        <translation>Verschiedene Zähne, auf die ein Glied trifft / Zähne des Ritzels; gleich: gleichmäßiger Verschleiß</translation>
    </message>
    <message>
        <source>Dents différentes qu&apos;un maillon rencontre / dents de la couronne ; égales : usure régulière</source>
        <translation>Verschiedene Zähne, auf die ein Glied trifft / Zähne des Kettenrads; gleich: gleichmäßiger Verschleiß</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::SprocketWindow</name>
    <message>
        <source>Pignons et chaîne</source>
        <translation>Ritzel und Kette</translation>
    </message>
    <message>
        <source>Transmission actuelle</source>
        <translation>Aktuelle Übersetzung</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Ritzel</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Kettenrad</translation>
    </message>
    <message>
        <source>Chaîne (maillons)</source>
        <translation>Kette (Glieder)</translation>
    </message>
    <message>
        <source>Longueur d&apos;un maillon (cm)</source>
        <translation>Länge eines Kettenglieds (cm)</translation>
    </message>
    <message>
        <source>Flèche (maillons)</source>
        <translation>Durchhang (Glieder)</translation>
    </message>
    <message>
        <source>Axe arrière</source>
        <translation>Hinterachse</translation>
    </message>
    <message>
        <source>Course restante vers l&apos;avant (mm)</source>
        <translation>Restweg nach vorne (mm)</translation>
    </message>
    <message>
        <source>Course restante vers l&apos;arrière (mm)</source>
        <translation>Restweg nach hinten (mm)</translation>
    </message>
    <message>
        <source>Plages</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <source>Pignon de</source>
        <translation>Ritzel von</translation>
    </message>
    <message>
        <source>Couronne de</source>
        <translation>Kettenrad von</translation>
    </message>
    <message>
        <source>à</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Objectif</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>keins</translation>
    </message>
    <message>
        <source>Écart du secondaire (%)</source>
        <translation>Änderung der Sekundärübersetzung (%)</translation>
    </message>
    <message>
        <source>Tolérance ± (%)</source>
        <translation>Toleranz ± (%)</translation>
    </message>
    <message>
        <source>Ligne surlignée : la transmission actuelle.
Usure en gras : chaque maillon rencontre toutes les dents des deux pignons (usure régulière).</source>
        <translation>Hervorgehobene Zeile: die aktuelle Übersetzung.
Verschleiß fett: jedes Glied trifft auf alle Zähne von Ritzel und Kettenrad (gleichmäßiger Verschleiß).</translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>La paire choisie dans la fenêtre principale</source>
        <translation>Das gewählte Paar ins Hauptfenster</translation>
    </message>
    <message>
        <source>Comparer</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>La paire choisie dans la fenêtre de comparaison</source>
        <translation>Das gewählte Paar ins Fenster Vergleich</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>La fenêtre principale n&apos;a pas encore calculé : cliquez sur « Calculer » ou tapez le pignon et la couronne actuels.</source>
        <translation>Das Hauptfenster hat noch nicht gerechnet: Klicken Sie auf „Rechnen“ oder tippen Sie das aktuelle Ritzel und Kettenrad ein.</translation>
    </message>
    <message>
        <source>Chaîne (maillons) : Une valeur nulle n&apos;est pas possible ici. La chaîne actuelle vient de Catenolix (menu Outils) ou peut être tapée ici.</source>
        <translation>Kette (Glieder): Ein Wert von null ist hier nicht möglich. Die aktuelle Kette kommt aus Catenolix (Menü Werkzeuge) oder kann hier eingetippt werden.</translation>
    </message>
    <message>
        <source>Une valeur nulle n&apos;est pas possible ici.</source>
        <translation>Ein Wert von null ist hier nicht möglich.</translation>
    </message>
    <message>
        <source>Une valeur négative n&apos;est pas possible ici.</source>
        <translation>Ein negativer Wert ist hier nicht möglich.</translation>
    </message>
    <message>
        <source>Plage trop grande : %1 paires au plus.</source>
        <translation>Bereich zu groß: höchstens %1 Paare.</translation>
    </message>
    <message>
        <source>Aucune paire</source>
        <translation>Kein Paar</translation>
    </message>
    <message>
        <source>1 paire</source>
        <translation>1 Paar</translation>
    </message>
    <message>
        <source>%1 paires</source>
        <translation>%1 Paare</translation>
    </message>
    <message>
        <source>%1 · circuit %2/%3</source>
        <translation>%1 · Strecke %2/%3</translation>
    </message>
    <message>
        <source>%1e · limiteur %2 m</source>
        <translation>%1. Gang · Begrenzer %2 m</translation>
    </message>
    <message>
        <source>%1e · %2</source>
        <translation>%1. Gang · %2</translation>
    </message>
    <message>
        <source>Circuit : optimum en limite de plage (%1/%2), élargissez les plages.</source>
        <translation>Strecke: Optimum am Rand des Bereichs (%1/%2), erweitern Sie die Bereiche.</translation>
    </message>
</context>
</TS>
