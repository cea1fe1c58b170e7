<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ChainSheet</name>
    <message>
        <source>Ergebnis:</source>
        <translation>Résultat:</translation>
    </message>
</context>
<context>
    <name>FieldReader</name>
    <message>
        <source>la valeur doit être supérieure à 0.</source>
        <translation>la valeur doit être supérieure à 0.</translation>
    </message>
    <message>
        <source>la valeur ne peut pas être négative.</source>
        <translation>la valeur ne peut pas être négative.</translation>
    </message>
    <message>
        <source>%1 est trop grand.</source>
        <translation>%1 est trop grand.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>GearDialogs</name>
    <message>
        <source>Werte für Trovanta öffnen ...</source>
        <translation>Ouvrir des valeurs pour Trovanta ...</translation>
    </message>
    <message>
        <source>Werte speichern ...</source>
        <translation>Enregistrer les valeurs ...</translation>
    </message>
</context>
<context>
    <name>GearSheet</name>
    <message>
        <source>Datei: </source>
        <translation>Fichier: </translation>
    </message>
    <message>
        <source>Hinterrad:</source>
        <translation>Roue arrière:</translation>
    </message>
    <message>
        <source>Übersetzungen:</source>
        <translation>Transmission:</translation>
    </message>
    <message>
        <source>Gangübersetzungen:</source>
        <translation>Rapports de boîte:</translation>
    </message>
    <message>
        <source>Gesamtübersetzung:</source>
        <translation>Rapport total:</translation>
    </message>
    <message>
        <source>Vmax bei: %1 U/min (roter Bereich)</source>
        <translation>Vmax à: %1 tr/min (zone rouge)</translation>
    </message>
    <message>
        <source>%1 bei %2% Schlupf</source>
        <translation>%1 à %2% de glissement</translation>
    </message>
    <message>
        <source>Drehzahl x 1000</source>
        <translation>Régime x 1000</translation>
    </message>
</context>
<context>
    <name>Letterhead</name>
    <message>
        <source>Trovanta ist Freeware und darf unverändert und kostenlos weitergegeben werden.</source>
        <translation>Trovanta est un logiciel gratuit ; il peut être redistribué gratuitement et sans modification.</translation>
    </message>
    <message>
        <source>Download: </source>
        <translation>Téléchargement: </translation>
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
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Ungültige Gleitkommaoperation</source>
        <translation>Opération de calcul invalide</translation>
    </message>
    <message>
        <source>Gleitkommaüberlauf</source>
        <translation>Dépassement de capacité du calcul</translation>
    </message>
    <message>
        <source>&apos;%s&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%s&apos; n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>&apos;%s&apos; ist kein gültiger Gleitkommawert</source>
        <translation>&apos;%s&apos; n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>Division durch 0.</source>
        <translation>Division par 0.</translation>
    </message>
    <message>
        <source>Der Achsabstand dieser Kette lässt sich nicht bestimmen</source>
        <translation>L&apos;entraxe de cette chaîne ne peut pas être déterminé</translation>
    </message>
    <message>
        <source>Verkürzung</source>
        <translation>raccourcissement</translation>
    </message>
    <message>
        <source>Verlängerung</source>
        <translation>rallongement</translation>
    </message>
    <message>
        <source>hinten</source>
        <translation>l&apos;arrière</translation>
    </message>
    <message>
        <source>vorne</source>
        <translation>l&apos;avant</translation>
    </message>
    <message>
        <source>Es ist entweder eine %1 der Kette um %2 Glied(er) nötig, oder eine </source>
        <translation>Il faut soit un %1 de la chaîne de %2 maillon(s), soit un </translation>
    </message>
    <message>
        <source>Verschiebung des Kettenrades um %3 mm nach %4. </source>
        <translation>déplacement de la couronne de %3 mm vers %4. </translation>
    </message>
    <message>
        <source>Bei einer %1 der Kette um %2 ist eine Verschiebung des </source>
        <translation>Avec un %1 de la chaîne de %2, il faut un déplacement de la </translation>
    </message>
    <message>
        <source>Kettenrades um %3 mm nach %4 nötig.</source>
        <translation>couronne de %3 mm vers %4.</translation>
    </message>
    <message>
        <source>%2 Glied</source>
        <translation>%2 maillon</translation>
    </message>
    <message>
        <source>%2 Glieder</source>
        <translation>%2 maillons</translation>
    </message>
    <message>
        <source>Pas assez de points en prise : 10 au moins dans un rapport.</source>
        <translation>Pas assez de points en prise : 10 au moins dans un rapport.</translation>
    </message>
    <message>
        <source>Aucune colonne de régime et de couple ou de puissance dans ce fichier.</source>
        <translation>Aucune colonne de régime et de couple ou de puissance dans ce fichier.</translation>
    </message>
    <message>
        <source>Unité inconnue dans ce fichier : « %s ».</source>
        <translation>Unité inconnue dans ce fichier : « %s ».</translation>
    </message>
    <message>
        <source>Aucune courbe de couple dans ce fichier.</source>
        <translation>Aucune courbe de couple dans ce fichier.</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Dateizugriff verweigert</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Ungültiger Dateiname</source>
        <translation>Nom de fichier invalide</translation>
    </message>
    <message>
        <source>Zu viele geöffnete Dateien</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>E/A-Fehler %d</source>
        <translation>Erreur d&apos;E/S %d</translation>
    </message>
    <message>
        <source>nach %s kann nicht geschrieben werden</source>
        <translation>impossible d&apos;écrire dans %s</translation>
    </message>
    <message>
        <source>Datei %s kann nicht erstellt werden</source>
        <translation>Impossible de créer le fichier %s</translation>
    </message>
    <message>
        <source>Datei %s ist keine Trovanta-Datei</source>
        <translation>Le fichier %s n&apos;est pas un fichier Trovanta</translation>
    </message>
    <message>
        <source>In dieser Datei sind keine Werte für die Schaltmarke und dem roten Bereich abgespeichert.</source>
        <translation>Ce fichier ne contient aucune valeur pour le repère de passage et la zone rouge.</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas un fichier ordinaire.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Aucune colonne de régime et de vitesse dans ce fichier.</source>
        <translation>Aucune colonne de régime et de vitesse dans ce fichier.</translation>
    </message>
    <message>
        <source>Überprüfen Sie die Druckerinstallation.</source>
        <translation>Vérifiez l&apos;installation de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Druckerinstallation kontrollieren.</source>
        <translation>Vérifiez l&apos;installation de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Fehler bei Ini-Erstellung.</source>
        <translation>Erreur lors de l&apos;écriture du fichier ini.</translation>
    </message>
    <message>
        <source>Zu wenig Arbeitsspeicher</source>
        <translation>Mémoire insuffisante</translation>
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
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Vitesse</translation>
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
        <translation>Couple</translation>
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
        <translation>Puissance</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>ch</translation>
    </message>
    <message>
        <source>hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Masse</source>
        <translation>Masse</translation>
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
        <translation>Rien à tracer : voir la note sous les résultats.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Résistance (air et roulement)</source>
        <translation>Résistance (air et roulement)</translation>
    </message>
    <message>
        <source>Limite du pneu</source>
        <translation>Limite du pneu</translation>
    </message>
    <message>
        <source>Passage optimal</source>
        <translation>Passage optimal</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>Couple (Nm)</source>
        <translation>Couple (Nm)</translation>
    </message>
    <message>
        <source>Puissance (kW)</source>
        <translation>Puissance (kW)</translation>
    </message>
    <message>
        <source>Zone rouge</source>
        <translation>Zone rouge</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>%1 : %2 s</source>
        <translation>%1 : %2 s</translation>
    </message>
    <message>
        <source>400 m : %1 s à %2</source>
        <translation>400 m : %1 s à %2</translation>
    </message>
    <message>
        <source>Passage d&apos;un rapport</source>
        <translation>Passage d&apos;un rapport</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Oui</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>RaceLogSheet</name>
    <message>
        <source>Sonstiges</source>
        <translation>Divers</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Fichiers &amp;récents</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>E&amp;xporter le diagramme…</source>
        <translation>E&amp;xporter le diagramme…</translation>
    </message>
    <message>
        <source>&amp;Analyse</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>&amp;Comparaison…</source>
        <translation>&amp;Comparaison…</translation>
    </message>
    <message>
        <source>&amp;Pignons et chaîne…</source>
        <translation>&amp;Pignons et chaîne…</translation>
    </message>
    <message>
        <source>É&amp;talonnage…</source>
        <translation>É&amp;talonnage…</translation>
    </message>
    <message>
        <source>P&amp;erformances…</source>
        <translation>P&amp;erformances…</translation>
    </message>
    <message>
        <source>diagramme</source>
        <translation>diagramme</translation>
    </message>
    <message>
        <source>Exporter le diagramme</source>
        <translation>Exporter le diagramme</translation>
    </message>
    <message>
        <source>Image PNG (*.png);;Dessin SVG (*.svg);;Document PDF (*.pdf)</source>
        <translation>Image PNG (*.png);;Dessin SVG (*.svg);;Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 existe déjà.
Voulez-vous le remplacer ?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Übersetzungsdiagramm Suzuki TL 1000 S &apos;97 original</source>
        <translation>Diagramme de démultiplication Suzuki TL 1000 S &apos;97 d&apos;origine</translation>
    </message>
    <message>
        <source>-Kein Kommentar gefunden-</source>
        <translation>-Aucun commentaire trouvé-</translation>
    </message>
    <message>
        <source>Roue Ar.</source>
        <translation>Roue Ar.</translation>
    </message>
    <message>
        <source>Diamètre de jante (&quot;)</source>
        <translation>Diamètre de jante (&quot;)</translation>
    </message>
    <message>
        <source>Largeur pneu(mm)</source>
        <translation>Largeur pneu(mm)</translation>
    </message>
    <message>
        <source>Hauteur pneu (%)</source>
        <translation>Hauteur pneu (%)</translation>
    </message>
    <message>
        <source> Glissement(%)</source>
        <translation> Glissement(%)</translation>
    </message>
    <message>
        <source>Développement (mm)</source>
        <translation>Développement (mm)</translation>
    </message>
    <message>
        <source>Changer</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Démultiplication</source>
        <translation>Démultiplication</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Pignon</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>Primaire</source>
        <translation>Primaire</translation>
    </message>
    <message>
        <source>Secondaire</source>
        <translation>Secondaire</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Démulti.</source>
        <translation>Démulti.</translation>
    </message>
    <message>
        <source>Vmax</source>
        <translation>Vmax</translation>
    </message>
    <message>
        <source>Régime</source>
        <translation>Régime</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>&amp;Calculer</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Cocher pour un changement de rapport</source>
        <translation>Cocher pour un changement de rapport</translation>
    </message>
    <message>
        <source>à</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Et pour une zone rouge</source>
        <translation>Et pour une zone rouge</translation>
    </message>
    <message>
        <source>Le texte que vous indiquez dans ce champ apparaît à l impression</source>
        <translation>Le texte que vous indiquez dans ce champ apparaît à l impression</translation>
    </message>
    <message>
        <source>(max. 70 )</source>
        <translation>(max. 70 )</translation>
    </message>
    <message>
        <source>Régime x 1000</source>
        <translation>Régime x 1000</translation>
    </message>
    <message>
        <source>Diagramme de démultiplication</source>
        <translation>Diagramme de démultiplication</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Enregistrer sous..</source>
        <translation>&amp;Enregistrer sous..</translation>
    </message>
    <message>
        <source>Enregistrer le Diagramme comme Bitmap</source>
        <translation>Enregistrer le Diagramme comme Bitmap</translation>
    </message>
    <message>
        <source>Im&amp;primer</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Outils</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Convertir Cv - kW</source>
        <translation>Convertir Cv - kW</translation>
    </message>
    <message>
        <source>Convertir km/h - Mph</source>
        <translation>Convertir km/h - Mph</translation>
    </message>
    <message>
        <source>Convertir Métrique - Pouce</source>
        <translation>Convertir Métrique - Pouce</translation>
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
        <translation>%1 a été enregistré.</translation>
    </message>
</context>
<context>
    <name>TForm10</name>
    <message>
        <source>Métrique Pouce</source>
        <translation>Métrique Pouce</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Pouce</source>
        <translation>Pouce</translation>
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
        <translation>Créé par l&apos;équipe Trovanta</translation>
    </message>
    <message>
        <source>Traduit en Français par l&apos;équipe Trovanta</source>
        <translation>Traduit en Français par l&apos;équipe Trovanta</translation>
    </message>
    <message>
        <source>Email senden</source>
        <translation>Envoyer un e-mail</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>Site web : %1</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Cv - kW</source>
        <translation>Cv - kW</translation>
    </message>
    <message>
        <source>Cv</source>
        <translation>Cv</translation>
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
        <translation>km/h - Mph</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Mph</source>
        <translation>Mph</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>---Thema wählen---</source>
        <translation>---Choisir un thème---</translation>
    </message>
    <message>
        <source>Dateneingabe</source>
        <translation>Saisie des données</translation>
    </message>
    <message>
        <source>Öffnen / Speichern</source>
        <translation>Ouvrir / Enregistrer</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Fehler in der Darstellung</source>
        <translation>Erreurs d&apos;affichage</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen</source>
        <translation>Erreur à l&apos;ouverture</translation>
    </message>
    <message>
        <source>Fehler beim Drucken</source>
        <translation>Erreur à l&apos;impression</translation>
    </message>
    <message>
        <source>Fehler bei Programmstart</source>
        <translation>Erreur au démarrage</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Dateneingabe:

Die Übersetzungen der sechs Gänge, die Primärübersetzung und die Zähnezahlen von Ritzel (&quot;Pignon&quot;) und Kettenrad (&quot;Couronne&quot;) stehen in der Betriebsanleitung Ihres Motorrads oder im Werkstatthandbuch. Finden Sie sie dort nicht, kann Ihnen Ihr Händler die Werte nennen.
Die Reifenwerte stehen in den Fahrzeugpapieren oder auf der Flanke des Reifens selbst: Bei der Angabe 190/50 ZR 17 ist 190 die Reifenbreite in Millimetern, 50 die Reifenhöhe in Prozent der Breite und 17 der Felgendurchmesser in Zoll.
Kommazahlen geben Sie mit dem Dezimaltrennzeichen Ihrer Ländereinstellung ein, zum Beispiel 1,84.
Sind alle Werte eingetragen, klicken Sie auf &quot;Berechnen&quot; (die Schaltfläche &quot;Calculer&quot;). Die Ergebnisse erscheinen in den grauen Feldern, und das Diagramm wird neu gezeichnet.
Änderungen an Reifen, Ritzel, Kettenrad und Übersetzungen zählen erst ab dem nächsten Klick auf &quot;Calculer&quot;; Gang, Drehzahl, Schlupf, Schaltmarke und roter Bereich rechnen sofort neu.</source>
        <translation>Saisie des données :

Les rapports des six vitesses, le rapport primaire et le nombre de dents du pignon et de la couronne figurent dans le manuel du propriétaire de votre moto ou dans le manuel d&apos;atelier. Si vous ne les y trouvez pas, votre concessionnaire peut vous les indiquer.
Les cotes du pneu figurent sur les papiers du véhicule ou sur le flanc du pneu lui-même : dans l&apos;indication 190/50 ZR 17, 190 est la largeur du pneu en millimètres, 50 la hauteur du pneu en pour cent de la largeur et 17 le diamètre de jante en pouces.
Saisissez les nombres décimaux avec le séparateur décimal de vos paramètres régionaux, par exemple 1,84.
Une fois toutes les valeurs saisies, cliquez sur &quot;Calculer&quot;. Les résultats apparaissent dans les champs gris et le diagramme est redessiné.
Les modifications du pneu, du pignon, de la couronne et des rapports ne comptent qu&apos;à partir du prochain clic sur &quot;Calculer&quot; ; le rapport, le régime, le glissement, le repère de passage et la zone rouge sont recalculés aussitôt.</translation>
    </message>
    <message>
        <source>Öffnen:
Über &quot;Datei&quot; (&quot;Fichier&quot;) und dann &quot;Öffnen&quot; (&quot;Ouvrir&quot;) laden Sie einen gespeicherten Datensatz. Alle Werte werden eingetragen und sofort neu berechnet; der Name der Datei steht oben rechts neben &quot;Fichier&quot;.

Speichern:
Über &quot;Datei&quot; und dann &quot;Werte speichern&quot; (&quot;Enregistrer sous..&quot;) speichern Sie die aktuellen Werte unter einem Namen Ihrer Wahl. Die Dateien haben die Endung &quot;tva&quot;.
Die Dateien sind sehr klein und lassen sich deshalb leicht per Diskette oder Mail weitergeben, zum Beispiel um eine bewährte Übersetzung für eine Rennstrecke mit Freunden auszutauschen.</source>
        <translation>Ouvrir :
Avec &quot;Fichier&quot; puis &quot;Ouvrir&quot;, vous chargez un jeu de données enregistré. Toutes les valeurs sont reprises et aussitôt recalculées ; le nom du fichier s&apos;affiche en haut à droite, à côté de &quot;Fichier&quot;.

Enregistrer :
Avec &quot;Fichier&quot; puis &quot;Enregistrer sous..&quot;, vous enregistrez les valeurs actuelles sous le nom de votre choix. Les fichiers portent l&apos;extension &quot;tva&quot;.
Les fichiers sont très petits et se transmettent donc facilement par disquette ou par e-mail, par exemple pour échanger avec des amis une démultiplication éprouvée sur un circuit.</translation>
    </message>
    <message>
        <source>Drucken:

Über &quot;Datei&quot; (&quot;Fichier&quot;) und dann &quot;Drucken&quot; (&quot;Imprimer&quot;) öffnet sich der gewohnte Druckdialog, in dem Sie den Drucker wählen und den Druck starten.
Gedruckt werden das Übersetzungsdiagramm, alle eingegebenen und berechneten Werte sowie der Kommentar aus dem Textfeld unter dem Diagramm. Dieser Text darf höchstens 70 Zeichen lang sein; nutzen Sie ihn für Motorrad, Strecke oder Datum, damit Sie den Ausdruck später wiedererkennen.</source>
        <translation>Imprimer :

Avec &quot;Fichier&quot; puis &quot;Imprimer&quot; s&apos;ouvre la boîte de dialogue d&apos;impression habituelle, dans laquelle vous choisissez l&apos;imprimante et lancez l&apos;impression.
Sont imprimés le diagramme de démultiplication, toutes les valeurs saisies et calculées ainsi que le commentaire du champ de texte sous le diagramme. Ce texte compte au plus 70 caractères ; utilisez-le pour la moto, le circuit ou la date, afin de reconnaître l&apos;impression plus tard.</translation>
    </message>
    <message>
        <source>Fehler bei der Darstellung:

Das Programm braucht einen Bildschirm mit mindestens 800x600 Pixeln; bei einer kleineren Auflösung ist das Hauptfenster nicht vollständig zu sehen.
Ist das Raster des Diagramms gegenüber seiner Beschriftung verschoben oder werden Texte abgeschnitten, ist in den Anzeigeeinstellungen des Systems eine vergrößerte Schrift eingestellt. Stellen Sie dort kleine Schriftarten (100 %) ein und starten Sie das Programm neu.</source>
        <translation>Erreurs d&apos;affichage :

Le programme a besoin d&apos;un écran d&apos;au moins 800x600 pixels ; avec une résolution plus faible, la fenêtre principale n&apos;est pas entièrement visible.
Si la grille du diagramme est décalée par rapport à ses graduations ou si des textes sont coupés, une police agrandie est réglée dans les paramètres d&apos;affichage du système. Choisissez-y des petites polices (100 %) et redémarrez le programme.</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen eines Datensatz:

Meldet das Programm beim Öffnen &quot;Dateizugriff verweigert&quot;, ist die &quot;TVA&quot;-Datei schreibgeschützt, zum Beispiel weil sie von einer CD kopiert wurde.
Entfernen Sie den Schreibschutz in den Eigenschaften der Datei (das Häkchen bei &quot;Schreibgeschützt&quot; entfernen) und öffnen Sie die Datei dann erneut. Danach lässt sich der Datensatz auch wieder unter seinem Namen speichern.</source>
        <translation>Erreur à l&apos;ouverture d&apos;un jeu de données :

Si le programme signale &quot;Accès au fichier refusé&quot; à l&apos;ouverture, le fichier &quot;TVA&quot; est protégé en écriture, par exemple parce qu&apos;il a été copié depuis un CD.
Retirez la protection en écriture dans les propriétés du fichier (décochez &quot;Lecture seule&quot;), puis rouvrez le fichier. Le jeu de données pourra ensuite de nouveau être enregistré sous son nom.</translation>
    </message>
    <message>
        <source>Fehler beim Drucken:

Zum Drucken muss ein Druckertreiber installiert und ein Drucker eingerichtet sein. Kommt eine Meldung zur Druckerinstallation, prüfen Sie in den Systemeinstellungen, ob ein Drucker vorhanden und als Standarddrucker gewählt ist.
Reichen die Linien der oberen Gänge im Ausdruck ein wenig über das Diagramm hinaus, ist das harmlos: Diese Gänge erreichen bei hohen Drehzahlen Geschwindigkeiten jenseits der Skala. Die gedruckten Werte stimmen trotzdem.</source>
        <translation>Erreur à l&apos;impression :

Pour imprimer, un pilote d&apos;imprimante doit être installé et une imprimante configurée. Si un message concernant l&apos;installation de l&apos;imprimante apparaît, vérifiez dans les paramètres du système qu&apos;une imprimante existe et qu&apos;elle est choisie comme imprimante par défaut.
Si sur l&apos;impression les courbes des rapports supérieurs dépassent un peu du diagramme, c&apos;est sans gravité : à haut régime, ces rapports atteignent des vitesses au-delà de l&apos;échelle. Les valeurs imprimées restent justes.</translation>
    </message>
    <message>
        <source>Allgemeine Hinweise:

Alle Ergebnisse sind theoretische Werte. Luftwiderstand und Reibung bleiben unberücksichtigt, ebenso die Frage, ob die Leistung des Motors für die berechnete Geschwindigkeit überhaupt reicht.
Der Abrollumfang des Reifens wächst mit der Geschwindigkeit und ist je nach Hersteller und Reifentyp verschieden; dazu kommt der Schlupf zwischen Reifen und Fahrbahn, der über das Feld &quot;Glissement&quot; nur näherungsweise eingeht.
Das Programm zeigt vor allem, wie sich eine Änderung von Ritzel oder Kettenrad auf Geschwindigkeiten und Drehzahlen auswirkt. Wer die Geschwindigkeit genau wissen will, braucht ein Messgerät, etwa ein GPS-Gerät oder eine Lichtschranke.</source>
        <translation>Remarques générales :

Tous les résultats sont des valeurs théoriques. La résistance de l&apos;air et les frottements ne sont pas pris en compte, pas plus que la question de savoir si la puissance du moteur suffit pour la vitesse calculée.
La circonférence de roulement du pneu augmente avec la vitesse et varie selon le fabricant et le type de pneu ; s&apos;y ajoute le glissement entre le pneu et la chaussée, que le champ &quot;Glissement&quot; ne prend en compte que de façon approchée.
Le programme montre avant tout comment un changement de pignon ou de couronne agit sur les vitesses et les régimes. Qui veut connaître la vitesse exacte a besoin d&apos;un appareil de mesure, par exemple un GPS ou une cellule photoélectrique.</translation>
    </message>
    <message>
        <source>Fehler bei Programmstart:

Erscheint beim Start die Meldung &quot;1,84 ist kein gültiger Gleitkommawert&quot;, erwartet Ihre Ländereinstellung ein anderes Dezimaltrennzeichen als das Komma, zum Beispiel den Punkt.
Stellen Sie in den Regions- bzw. Ländereinstellungen des Systems das Komma als Dezimaltrennzeichen ein und starten Sie das Programm neu. Sie können auch in den Eingabefeldern das Komma durch das Trennzeichen Ihrer Einstellung ersetzen; beim Beenden werden die Werte so gespeichert.</source>
        <translation>Erreur au démarrage :

Si le message &quot;&apos;1,84&apos; n&apos;est pas un nombre décimal valide&quot; apparaît au démarrage, vos paramètres régionaux attendent un autre séparateur décimal que la virgule, par exemple le point.
Réglez la virgule comme séparateur décimal dans les paramètres régionaux du système et redémarrez le programme. Vous pouvez aussi remplacer la virgule par le séparateur de vos paramètres dans les champs de saisie ; les valeurs sont enregistrées ainsi à la fermeture.</translation>
    </message>
    <message>
        <source>Neu in dieser Version:
 - mit Catenolix kann die erforderliche Kettenlänge ermittelt werden;
 - mit Pistorel können zusätzliche Informationen gespeichert werden;
   
 - paar Kleinigkeiten;</source>
        <translation>Nouveau dans cette version :
 - Catenolix calcule la longueur de chaîne nécessaire ;
 - Pistorel permet d&apos;enregistrer des informations supplémentaires ;
   
 - quelques petites améliorations ;</translation>
    </message>
    <message>
        <source>Hilfe und Hinweise</source>
        <translation>Aide et conseils</translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation>Site web : %1</translation>
    </message>
    <message>
        <source>Hab&apos;s gelesen</source>
        <translation>J&apos;ai lu</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Modell eingeben</source>
        <translation>Saisir le modèle</translation>
    </message>
    <message>
        <source>Transmission actuelle</source>
        <translation>Transmission actuelle</translation>
    </message>
    <message>
        <source>Soll-Durchhang der Kette (cm):</source>
        <translation>Flèche voulue (cm):</translation>
    </message>
    <message>
        <source>Longueur de chaine actuelle:</source>
        <translation>Longueur de chaine actuelle:</translation>
    </message>
    <message>
        <source>Länge eines Kettengliedes (cm):</source>
        <translation>Longueur d&apos;un maillon (cm):</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Pignon</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>aktuelle Kettenlänge (cm):</source>
        <translation>Longueur actuelle (cm):</translation>
    </message>
    <message>
        <source>aktueller Achsabstand (cm):</source>
        <translation>Entraxe actuel (cm):</translation>
    </message>
    <message>
        <source>Nouvelle transmission</source>
        <translation>Nouvelle transmission</translation>
    </message>
    <message>
        <source>couronne</source>
        <translation>couronne</translation>
    </message>
    <message>
        <source>Longueur de chaine (maillon)</source>
        <translation>Longueur de chaine (maillon)</translation>
    </message>
    <message>
        <source>IST - Kettenlänge (cm):</source>
        <translation>Longueur réelle (cm):</translation>
    </message>
    <message>
        <source>SOLL - Kettenlänge (cm):</source>
        <translation>Longueur requise (cm):</translation>
    </message>
    <message>
        <source>SOLL - Achsabstand (cm):</source>
        <translation>Nouvel entraxe (cm):</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Moto</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>Bezeichnung eingeben</source>
        <translation>Saisir la désignation</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Werte behalten?</source>
        <translation>Garder les valeurs</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Typ angeben</source>
        <translation>Indiquer le type</translation>
    </message>
    <message>
        <source>sonnig</source>
        <translation>ensoleillé</translation>
    </message>
    <message>
        <source>bedeckt</source>
        <translation>couvert</translation>
    </message>
    <message>
        <source>regnerisch</source>
        <translation>pluvieux</translation>
    </message>
    <message>
        <source>wechselhaft</source>
        <translation>variable</translation>
    </message>
    <message>
        <source>Weitere Notizen</source>
        <translation>Autres notes</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Moto</source>
        <translation>Moto</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Type: </translation>
    </message>
    <message>
        <source>Pneumatiques</source>
        <translation>Pneumatiques</translation>
    </message>
    <message>
        <source>Avant: </source>
        <translation>Avant: </translation>
    </message>
    <message>
        <source>Arrière: </source>
        <translation>Arrière: </translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Dimension</translation>
    </message>
    <message>
        <source>Marque</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Modèle</source>
        <translation>Modèle</translation>
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
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Filtre à air</source>
        <translation>Filtre à air</translation>
    </message>
    <message>
        <source>Cornets</source>
        <translation>Cornets</translation>
    </message>
    <message>
        <source>Collecteur</source>
        <translation>Collecteur</translation>
    </message>
    <message>
        <source>Silencieux</source>
        <translation>Silencieux</translation>
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
        <translation>Injecteurs</translation>
    </message>
    <message>
        <source>Démultiplication</source>
        <translation>Démultiplication</translation>
    </message>
    <message>
        <source>Pignon </source>
        <translation>Pignon </translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>Primaire </source>
        <translation>Primaire </translation>
    </message>
    <message>
        <source>Suspensions</source>
        <translation>Suspensions</translation>
    </message>
    <message>
        <source>Précharge</source>
        <translation>Précharge</translation>
    </message>
    <message>
        <source>Détente</source>
        <translation>Détente</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Ressort</source>
        <translation>Ressort</translation>
    </message>
    <message>
        <source>Freins</source>
        <translation>Freins</translation>
    </message>
    <message>
        <source>Avant</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Arrière</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Disques</source>
        <translation>Disques</translation>
    </message>
    <message>
        <source>Plaquettes</source>
        <translation>Plaquettes</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Nom: </source>
        <translation>Nom: </translation>
    </message>
    <message>
        <source>.txt wurde gespeichert.</source>
        <translation>.txt enregistré.</translation>
    </message>
    <message>
        <source>Température d air (°C)</source>
        <translation>Température d air (°C)</translation>
    </message>
    <message>
        <source>Température de piste(°C)</source>
        <translation>Température de piste(°C)</translation>
    </message>
    <message>
        <source>Sensations</source>
        <translation>Sensations</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Temps au tour</source>
        <translation>Temps au tour</translation>
    </message>
    <message>
        <source>Commentaires</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Werte ausdrucken</source>
        <translation>Imprimer les valeurs</translation>
    </message>
    <message>
        <source>Werte in txt-Datei speichern</source>
        <translation>Enregistrer les valeurs dans un fichier txt</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Bitte Streckenname angeben.</source>
        <translation>Veuillez indiquer le nom du circuit.</translation>
    </message>
    <message>
        <source>Fehler beim Speichern.</source>
        <translation>Erreur lors de l&apos;enregistrement.</translation>
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
        <translation>Les valeurs saisies sont conservées tant que 
Trovanta n&apos;est pas fermé.

Garder les valeurs
Si la case est cochée, toutes les valeurs sont 
enregistrées dans le fichier catenolix.ini et 
reviennent au prochain démarrage de Trovanta. 
Le fichier s&apos;ouvre et s&apos;imprime avec un 
éditeur ; vous pouvez y ajouter vos notes.

Merci à l&apos;ami qui a eu l&apos;idée et qui m&apos;a 
confié les formules de son propre programme, 
plus ancien.</translation>
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
        <translation>Les valeurs saisies sont conservées.
Toutes les valeurs peuvent en plus être
enregistrées dans un fichier texte qui
porte le nom du circuit, si un nom de
circuit a été saisi.
Aucun autre champ n&apos;est obligatoire.
Le fichier texte est enregistré dans le
dossier où se trouve le programme.

Merci à celui qui, le premier,
en a eu l&apos;idée.</translation>
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
        <translation>ch</translation>
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
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Développement nominal du pneu</source>
        <translation>Développement nominal du pneu</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Développement de la fenêtre principale</source>
        <translation>Développement de la fenêtre principale</translation>
    </message>
    <message>
        <source>π × (25,4 × jante + 2 × largeur × hauteur / 100), du dernier calcul réussi</source>
        <translation>π × (25,4 × jante + 2 × largeur × hauteur / 100), du dernier calcul réussi</translation>
    </message>
    <message>
        <source>Le développement avec lequel la fenêtre principale calcule</source>
        <translation>Le développement avec lequel la fenêtre principale calcule</translation>
    </message>
    <message>
        <source>Déroulé</source>
        <translation>Déroulé</translation>
    </message>
    <message>
        <source>Point GPS</source>
        <translation>Point GPS</translation>
    </message>
    <message>
        <source>Enregistreur</source>
        <translation>Enregistreur</translation>
    </message>
    <message>
        <source>Compteur</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Marquez le pneu arrière et le sol, faites rouler la moto en ligne droite, pilote en selle et pneu à sa pression, sur un ou plusieurs tours de roue, puis mesurez la distance.</source>
        <translation>Marquez le pneu arrière et le sol, faites rouler la moto en ligne droite, pilote en selle et pneu à sa pression, sur un ou plusieurs tours de roue, puis mesurez la distance.</translation>
    </message>
    <message>
        <source>Distance parcourue</source>
        <translation>Distance parcourue</translation>
    </message>
    <message>
        <source>Tours de roue</source>
        <translation>Tours de roue</translation>
    </message>
    <message>
        <source>Développement</source>
        <translation>Développement</translation>
    </message>
    <message>
        <source>Écart au nominal</source>
        <translation>Écart au nominal</translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Ce développement dans la fenêtre principale (« Changer » coché), puis un calcul</source>
        <translation>Ce développement dans la fenêtre principale (« Changer » coché), puis un calcul</translation>
    </message>
    <message>
        <source>La vitesse d&apos;un GPS, lue en prise à régime stable, embrayage relâché, sur le plat. Le rapport et le glissement sont ceux de la fenêtre principale.</source>
        <translation>La vitesse d&apos;un GPS, lue en prise à régime stable, embrayage relâché, sur le plat. Le rapport et le glissement sont ceux de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Régime</source>
        <translation>Régime</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>Vitesse GPS</source>
        <translation>Vitesse GPS</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>L&apos;export CSV d&apos;un enregistreur ou d&apos;une application de chronométrage, avec une colonne de régime et une de vitesse. Chaque point est rangé dans son rapport d&apos;après la fenêtre principale, et rangé à nouveau quand un calcul de celle-ci change ses rapports.</source>
        <translation>L&apos;export CSV d&apos;un enregistreur ou d&apos;une application de chronométrage, avec une colonne de régime et une de vitesse. Chaque point est rangé dans son rapport d&apos;après la fenêtre principale, et rangé à nouveau quand un calcul de celle-ci change ses rapports.</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Le glissement qui accorde les rapports 4 à 6 au développement des rapports 1 à 3</source>
        <translation>Le glissement qui accorde les rapports 4 à 6 au développement des rapports 1 à 3</translation>
    </message>
    <message>
        <source>Glissement mesuré</source>
        <translation>Glissement mesuré</translation>
    </message>
    <message>
        <source>Points retenus / lignes lues</source>
        <translation>Points retenus / lignes lues</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Dévelop. mm</source>
        <translation>Dévelop. mm</translation>
    </message>
    <message>
        <source>Écart %</source>
        <translation>Écart %</translation>
    </message>
    <message>
        <source>Contrôle</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Ce développement et le glissement mesuré dans la fenêtre principale, puis un calcul</source>
        <translation>Ce développement et le glissement mesuré dans la fenêtre principale, puis un calcul</translation>
    </message>
    <message>
        <source>Appliquer quand même</source>
        <translation>Appliquer quand même</translation>
    </message>
    <message>
        <source>Ce qu&apos;indique le compteur et la vitesse réelle (GPS) au même instant, puis l&apos;erreur qu&apos;il aura avec d&apos;autres pignons ou un autre pneu.</source>
        <translation>Ce qu&apos;indique le compteur et la vitesse réelle (GPS) au même instant, puis l&apos;erreur qu&apos;il aura avec d&apos;autres pignons ou un autre pneu.</translation>
    </message>
    <message>
        <source>sortie de boîte</source>
        <translation>sortie de boîte</translation>
    </message>
    <message>
        <source>roue arrière</source>
        <translation>roue arrière</translation>
    </message>
    <message>
        <source>Le compteur indique</source>
        <translation>Le compteur indique</translation>
    </message>
    <message>
        <source>Vitesse réelle (GPS)</source>
        <translation>Vitesse réelle (GPS)</translation>
    </message>
    <message>
        <source>Erreur du compteur</source>
        <translation>Erreur du compteur</translation>
    </message>
    <message>
        <source>Capteur du compteur</source>
        <translation>Capteur du compteur</translation>
    </message>
    <message>
        <source>Après le changement de pignons ou de pneu</source>
        <translation>Après le changement de pignons ou de pneu</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Pignon</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>Affichage à 100 km/h réels</source>
        <translation>Affichage à 100 km/h réels</translation>
    </message>
    <message>
        <source>La fenêtre principale ne calcule pas : </source>
        <translation>La fenêtre principale ne calcule pas : </translation>
    </message>
    <message>
        <source>La fenêtre principale n&apos;a pas encore calculé : cliquez sur « Calculer ».</source>
        <translation>La fenêtre principale n&apos;a pas encore calculé : cliquez sur « Calculer ».</translation>
    </message>
    <message>
        <source>%1 des %2 points en mouvement seulement tombent dans un rapport : vérifiez le primaire, le pignon, la couronne et les rapports de la fenêtre principale.</source>
        <translation>%1 des %2 points en mouvement seulement tombent dans un rapport : vérifiez le primaire, le pignon, la couronne et les rapports de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Trop peu de points en %1 alors que les régimes du fichier y conduisent : vérifiez ce rapport dans la fenêtre principale.</source>
        <translation>Trop peu de points en %1 alors que les régimes du fichier y conduisent : vérifiez ce rapport dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>« Appliquer » attend que vous cochiez « Appliquer quand même ».</source>
        <translation>« Appliquer » attend que vous cochiez « Appliquer quand même ».</translation>
    </message>
    <message>
        <source>Trop peu de points en 1re, 2e et 3e (100 dans deux d&apos;entre elles) pour mesurer le glissement : le développement vient de tous les rapports, avec le glissement de la fenêtre principale.</source>
        <translation>Trop peu de points en 1re, 2e et 3e (100 dans deux d&apos;entre elles) pour mesurer le glissement : le développement vient de tous les rapports, avec le glissement de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Ouvrir un enregistrement</source>
        <translation>Ouvrir un enregistrement</translation>
    </message>
    <message>
        <source>Enregistrements (*.csv *.txt)</source>
        <translation>Enregistrements (*.csv *.txt)</translation>
    </message>
    <message>
        <source>%1 (par défaut)</source>
        <translation>%1 (par défaut)</translation>
    </message>
    <message>
        <source>Régime « %1 », vitesse « %2 » en %3 ; en-tête ligne %4, lignes illisibles : %5</source>
        <translation>Régime « %1 », vitesse « %2 » en %3 ; en-tête ligne %4, lignes illisibles : %5</translation>
    </message>
    <message>
        <source>à vérifier</source>
        <translation>à vérifier</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::CircuitTab</name>
    <message>
        <source>nom d&apos;un nouveau circuit, puis Entrée</source>
        <translation>nom d&apos;un nouveau circuit, puis Entrée</translation>
    </message>
    <message>
        <source>Vos circuits. Un nom nouveau suivi d&apos;Entrée en ajoute un.</source>
        <translation>Vos circuits. Un nom nouveau suivi d&apos;Entrée en ajoute un.</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Supprime le circuit choisi</source>
        <translation>Supprime le circuit choisi</translation>
    </message>
    <message>
        <source>La décélération la plus forte au freinage, en g (1,0 : freinage fort sur le sec)</source>
        <translation>La décélération la plus forte au freinage, en g (1,0 : freinage fort sur le sec)</translation>
    </message>
    <message>
        <source>Virage</source>
        <translation>Virage</translation>
    </message>
    <message>
        <source>Vitesse mini (km/h)</source>
        <translation>Vitesse mini (km/h)</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Ligne droite après (m)</source>
        <translation>Ligne droite après (m)</translation>
    </message>
    <message>
        <source>Un virage par ligne, dans l&apos;ordre du tour ; la dernière ligne droite mène au premier virage. Rapport vide : celui des passages optimaux à cette vitesse.</source>
        <translation>Un virage par ligne, dans l&apos;ordre du tour ; la dernière ligne droite mène au premier virage. Rapport vide : celui des passages optimaux à cette vitesse.</translation>
    </message>
    <message>
        <source>Ligne droite</source>
        <translation>Ligne droite</translation>
    </message>
    <message>
        <source>Supprimer le virage</source>
        <translation>Supprimer le virage</translation>
    </message>
    <message>
        <source>Supprime les virages choisis</source>
        <translation>Supprime les virages choisis</translation>
    </message>
    <message>
        <source>Temps (s)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>Au freinage (km/h)</source>
        <translation>Au freinage (km/h)</translation>
    </message>
    <message>
        <source>Régime (tr/min)</source>
        <translation>Régime (tr/min)</translation>
    </message>
    <message>
        <source>Marge au limiteur</source>
        <translation>Marge au limiteur</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Au freinage</source>
        <translation>Au freinage</translation>
    </message>
    <message>
        <source>limiteur sur 0000 m</source>
        <translation>limiteur sur 0000 m</translation>
    </message>
    <message>
        <source>sous la courbe</source>
        <translation>sous la courbe</translation>
    </message>
    <message>
        <source>Temps des lignes droites (s)</source>
        <translation>Temps des lignes droites (s)</translation>
    </message>
    <message>
        <source>La somme des lignes droites, chacune du virage au point de freinage puis au virage suivant. Ce n&apos;est pas un temps au tour : dans ce modèle, les virages eux-mêmes ne prennent aucun temps.</source>
        <translation>La somme des lignes droites, chacune du virage au point de freinage puis au virage suivant. Ce n&apos;est pas un temps au tour : dans ce modèle, les virages eux-mêmes ne prennent aucun temps.</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Freinage maxi (g)</source>
        <translation>Freinage maxi (g)</translation>
    </message>
    <message>
        <source>« %1 » est réservé : choisissez un autre nom.</source>
        <translation>« %1 » est réservé : choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Ce nom ne peut pas être enregistré : sans crochets ni caractères spéciaux.</source>
        <translation>Ce nom ne peut pas être enregistré : sans crochets ni caractères spéciaux.</translation>
    </message>
    <message>
        <source>Supprimer le circuit « %1 » et ses virages ?</source>
        <translation>Supprimer le circuit « %1 » et ses virages ?</translation>
    </message>
    <message>
        <source>Virage %1</source>
        <translation>Virage %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>Le freinage maxi doit être supérieur à zéro.</source>
        <translation>Le freinage maxi doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>Virage %1 : </source>
        <translation>Virage %1 : </translation>
    </message>
    <message>
        <source>la vitesse doit être supérieure à zéro.</source>
        <translation>la vitesse doit être supérieure à zéro.</translation>
    </message>
    <message>
        <source>un rapport de 1 à 6, ou vide pour celui des passages optimaux.</source>
        <translation>un rapport de 1 à 6, ou vide pour celui des passages optimaux.</translation>
    </message>
    <message>
        <source>la ligne droite doit être plus longue que zéro.</source>
        <translation>la ligne droite doit être plus longue que zéro.</translation>
    </message>
    <message>
        <source>Tapez le nom d&apos;un circuit puis Entrée pour l&apos;ajouter.</source>
        <translation>Tapez le nom d&apos;un circuit puis Entrée pour l&apos;ajouter.</translation>
    </message>
    <message>
        <source>Tapez les virages du circuit dans l&apos;ordre du tour.</source>
        <translation>Tapez les virages du circuit dans l&apos;ordre du tour.</translation>
    </message>
    <message>
        <source>Les lignes droites attendent un calcul de la fenêtre principale, une courbe et des valeurs de la moto complètes.</source>
        <translation>Les lignes droites attendent un calcul de la fenêtre principale, une courbe et des valeurs de la moto complètes.</translation>
    </message>
    <message>
        <source>limiteur sur %1 m</source>
        <translation>limiteur sur %1 m</translation>
    </message>
    <message>
        <source>en %1e à %2, le moteur dépasse %3 tr/min</source>
        <translation>en %1e à %2, le moteur dépasse %3 tr/min</translation>
    </message>
    <message>
        <source>trop courte pour freiner de %1 à %2 km/h</source>
        <translation>trop courte pour freiner de %1 à %2 km/h</translation>
    </message>
    <message>
        <source>la moto n&apos;avance pas dans ce rapport</source>
        <translation>la moto n&apos;avance pas dans ce rapport</translation>
    </message>
    <message>
        <source>plus de dix minutes</source>
        <translation>plus de dix minutes</translation>
    </message>
    <message>
        <source>virage suivant plus rapide : %1 au bout</source>
        <translation>virage suivant plus rapide : %1 au bout</translation>
    </message>
    <message>
        <source> ; </source>
        <translation> ; </translation>
    </message>
</context>
<context>
    <name>trovanta::ui::ComparePerformance</name>
    <message>
        <source>Performances</source>
        <translation>Performances</translation>
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
        <translation>Écart</translation>
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
        <translation>Vitesse maxi (km/h)</translation>
    </message>
    <message>
        <source>Circuit (s)</source>
        <translation>Circuit (s)</translation>
    </message>
    <message>
        <source>A et B avec la courbe et la moto de la fenêtre Performances. Circuit : le temps des lignes droites du circuit actuel, pas un temps au tour.</source>
        <translation>A et B avec la courbe et la moto de la fenêtre Performances. Circuit : le temps des lignes droites du circuit actuel, pas un temps au tour.</translation>
    </message>
    <message>
        <source>%1 (%2e)</source>
        <translation>%1 (%2e)</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::CompareWindow</name>
    <message>
        <source>Diamètre de jante (&quot;)</source>
        <translation>Diamètre de jante (&quot;)</translation>
    </message>
    <message>
        <source>Largeur pneu(mm)</source>
        <translation>Largeur pneu(mm)</translation>
    </message>
    <message>
        <source>Hauteur pneu (%)</source>
        <translation>Hauteur pneu (%)</translation>
    </message>
    <message>
        <source>Glissement(%)</source>
        <translation>Glissement(%)</translation>
    </message>
    <message>
        <source>Développement (mm)</source>
        <translation>Développement (mm)</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Pignon</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>Primaire</source>
        <translation>Primaire</translation>
    </message>
    <message>
        <source>Rapport 1</source>
        <translation>Rapport 1</translation>
    </message>
    <message>
        <source>Rapport 2</source>
        <translation>Rapport 2</translation>
    </message>
    <message>
        <source>Rapport 3</source>
        <translation>Rapport 3</translation>
    </message>
    <message>
        <source>Rapport 4</source>
        <translation>Rapport 4</translation>
    </message>
    <message>
        <source>Rapport 5</source>
        <translation>Rapport 5</translation>
    </message>
    <message>
        <source>Rapport 6</source>
        <translation>Rapport 6</translation>
    </message>
    <message>
        <source>Comparaison</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Dents de scie</source>
        <translation>Dents de scie</translation>
    </message>
    <message>
        <source>Régime sur vitesse : chaque rapport jusqu&apos;au passage, puis la chute du régime au rapport suivant.</source>
        <translation>Régime sur vitesse : chaque rapport jusqu&apos;au passage, puis la chute du régime au rapport suivant.</translation>
    </message>
    <message>
        <source>Points de la piste</source>
        <translation>Points de la piste</translation>
    </message>
    <message>
        <source>Rapports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Jeux de démultiplication</source>
        <translation>Jeux de démultiplication</translation>
    </message>
    <message>
        <source>A  Actuel</source>
        <translation>A  Actuel</translation>
    </message>
    <message>
        <source>B  Variante</source>
        <translation>B  Variante</translation>
    </message>
    <message>
        <source>calculé</source>
        <translation>calculé</translation>
    </message>
    <message>
        <source>Vide : calculé à partir du pneu. Un nombre : utilisé tel quel.</source>
        <translation>Vide : calculé à partir du pneu. Un nombre : utilisé tel quel.</translation>
    </message>
    <message>
        <source>Vide : la fenêtre principale calcule le développement à partir du pneu.</source>
        <translation>Vide : la fenêtre principale calcule le développement à partir du pneu.</translation>
    </message>
    <message>
        <source>Copier A → B</source>
        <translation>Copier A → B</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Enregistrer sous…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Appliquer à la fenêtre principale</source>
        <translation>Appliquer à la fenêtre principale</translation>
    </message>
    <message>
        <source>Les valeurs de A dans les champs de B.</source>
        <translation>Les valeurs de A dans les champs de B.</translation>
    </message>
    <message>
        <source>Un fichier de démultiplication dans B ; glissement et développement restent.</source>
        <translation>Un fichier de démultiplication dans B ; glissement et développement restent.</translation>
    </message>
    <message>
        <source>B dans un fichier de démultiplication, avec le titre et les marques de A.</source>
        <translation>B dans un fichier de démultiplication, avec le titre et les marques de A.</translation>
    </message>
    <message>
        <source>B dans la fenêtre principale, puis un calcul.</source>
        <translation>B dans la fenêtre principale, puis un calcul.</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Résultats</translation>
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
        <translation>Secondaire</translation>
    </message>
    <message>
        <source>Écart du secondaire</source>
        <translation>Écart du secondaire</translation>
    </message>
    <message>
        <source>Régime à</source>
        <translation>Régime à</translation>
    </message>
    <message>
        <source>Régime à … km/h en 6e</source>
        <translation>Régime à … km/h en 6e</translation>
    </message>
    <message>
        <source>km/h en 6e</source>
        <translation>km/h en 6e</translation>
    </message>
    <message>
        <source>Démulti. B</source>
        <translation>Démulti. B</translation>
    </message>
    <message>
        <source>Passage : vitesse au régime de passage. Régime après : régime au rapport suivant à cette vitesse. Vmax : à la zone rouge.</source>
        <translation>Passage : vitesse au régime de passage. Régime après : régime au rapport suivant à cette vitesse. Vmax : à la zone rouge.</translation>
    </message>
    <message>
        <source>Régime A</source>
        <translation>Régime A</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Vos points de la piste : la vitesse et le rapport donnent le régime de A et de B. Rouge : au-delà de la zone rouge.</source>
        <translation>Vos points de la piste : la vitesse et le rapport donnent le régime de A et de B. Rouge : au-delà de la zone rouge.</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un rapport de 1 à 6.</source>
        <translation>%1 n&apos;est pas un rapport de 1 à 6.</translation>
    </message>
    <message>
        <source>Point %1 (%2)</source>
        <translation>Point %1 (%2)</translation>
    </message>
    <message>
        <source>Démulti. A</source>
        <translation>Démulti. A</translation>
    </message>
    <message>
        <source>Écart %</source>
        <translation>Écart %</translation>
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
        <translation>Passage A</translation>
    </message>
    <message>
        <source>Passage B</source>
        <translation>Passage B</translation>
    </message>
    <message>
        <source>Régime après A</source>
        <translation>Régime après A</translation>
    </message>
    <message>
        <source>Régime après B</source>
        <translation>Régime après B</translation>
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
        <translation>Régime B</translation>
    </message>
    <message>
        <source>La fenêtre principale ne calcule pas : </source>
        <translation>La fenêtre principale ne calcule pas : </translation>
    </message>
    <message>
        <source>La fenêtre principale n&apos;a pas encore calculé : A suit son prochain calcul.</source>
        <translation>La fenêtre principale n&apos;a pas encore calculé : A suit son prochain calcul.</translation>
    </message>
    <message>
        <source>A  Actuel %1/%2</source>
        <translation>A  Actuel %1/%2</translation>
    </message>
    <message>
        <source>B  Variante %1/%2</source>
        <translation>B  Variante %1/%2</translation>
    </message>
    <message>
        <source>Passage à %1 tr/min</source>
        <translation>Passage à %1 tr/min</translation>
    </message>
    <message>
        <source>Zone rouge dès %1 tr/min</source>
        <translation>Zone rouge dès %1 tr/min</translation>
    </message>
    <message>
        <source>Régime x 1000</source>
        <translation>Régime x 1000</translation>
    </message>
    <message>
        <source>Le diagramme attend un calcul de la fenêtre principale.</source>
        <translation>Le diagramme attend un calcul de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Pignon/couronne · pneu · glissement · développement · primaire · rapports 1 à 6</source>
        <translation>Pignon/couronne · pneu · glissement · développement · primaire · rapports 1 à 6</translation>
    </message>
    <message>
        <source>%1 : %2/%3 · %4/%5-%6 · %7 % · %8 mm · %9 · %10</source>
        <translation>%1 : %2/%3 · %4/%5-%6 · %7 % · %8 mm · %9 · %10</translation>
    </message>
    <message>
        <source>Secondaire : A %1 · B %2 · écart %3</source>
        <translation>Secondaire : A %1 · B %2 · écart %3</translation>
    </message>
    <message>
        <source>Développement (mm) : A %1 · B %2</source>
        <translation>Développement (mm) : A %1 · B %2</translation>
    </message>
    <message>
        <source>Régime à %1 km/h en 6e : A %2 · B %3</source>
        <translation>Régime à %1 km/h en 6e : A %2 · B %3</translation>
    </message>
    <message>
        <source>Werte für Trovanta öffnen ...</source>
        <translation>Ouvrir des valeurs pour Trovanta ...</translation>
    </message>
    <message>
        <source>Werte speichern ...</source>
        <translation>Enregistrer les valeurs ...</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::ConverterWindow</name>
    <message>
        <source>Fermer</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::CurveModel</name>
    <message>
        <source>tr/min</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>Couple (Nm)</source>
        <translation>Couple (Nm)</translation>
    </message>
    <message>
        <source>Puissance (kW)</source>
        <translation>Puissance (kW)</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::PerformanceWindow</name>
    <message>
        <source>0 à %1</source>
        <translation>0 à %1</translation>
    </message>
    <message>
        <source>Performances</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Force à la roue</source>
        <translation>Force à la roue</translation>
    </message>
    <message>
        <source>Couple et puissance</source>
        <translation>Couple et puissance</translation>
    </message>
    <message>
        <source>Départ arrêté</source>
        <translation>Départ arrêté</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Chercher les pignons</source>
        <translation>Chercher les pignons</translation>
    </message>
    <message>
        <source>Ouvre « Pignons et chaîne » avec l&apos;écart du secondaire pour la vitesse maxi comme cible</source>
        <translation>Ouvre « Pignons et chaîne » avec l&apos;écart du secondaire pour la vitesse maxi comme cible</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Courbe du moteur</source>
        <translation>Courbe du moteur</translation>
    </message>
    <message>
        <source>Tapez un point dans la dernière ligne ; les points se rangent par régime. Au-dessus du dernier point et de la zone rouge, le limiteur coupe.</source>
        <translation>Tapez un point dans la dernière ligne ; les points se rangent par régime. Au-dessus du dernier point et de la zone rouge, le limiteur coupe.</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Lit l&apos;export CSV d&apos;un banc de puissance (régime et couple, ou puissance)</source>
        <translation>Lit l&apos;export CSV d&apos;un banc de puissance (régime et couple, ou puissance)</translation>
    </message>
    <message>
        <source>Exemple</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>La courbe d&apos;un 1000 cm³ de 169 ch à 11 000 tr/min</source>
        <translation>La courbe d&apos;un 1000 cm³ de 169 ch à 11 000 tr/min</translation>
    </message>
    <message>
        <source>Supprimer le point</source>
        <translation>Supprimer le point</translation>
    </message>
    <message>
        <source>Courbe mesurée à la roue</source>
        <translation>Courbe mesurée à la roue</translation>
    </message>
    <message>
        <source>Un banc à rouleau : les pertes de la transmission sont déjà dans la courbe (rendement 100 %)</source>
        <translation>Un banc à rouleau : les pertes de la transmission sont déjà dans la courbe (rendement 100 %)</translation>
    </message>
    <message>
        <source>La moto</source>
        <translation>La moto</translation>
    </message>
    <message>
        <source>Masse avec pilote (kg)</source>
        <translation>Masse avec pilote (kg)</translation>
    </message>
    <message>
        <source>Traînée S·Cx (m²)</source>
        <translation>Traînée S·Cx (m²)</translation>
    </message>
    <message>
        <source>Résistance au roulement</source>
        <translation>Résistance au roulement</translation>
    </message>
    <message>
        <source>Rendement de la transmission (%)</source>
        <translation>Rendement de la transmission (%)</translation>
    </message>
    <message>
        <source>Masses en rotation (%)</source>
        <translation>Masses en rotation (%)</translation>
    </message>
    <message>
        <source>Accélération maxi (g)</source>
        <translation>Accélération maxi (g)</translation>
    </message>
    <message>
        <source>Durée d&apos;un passage (s)</source>
        <translation>Durée d&apos;un passage (s)</translation>
    </message>
    <message>
        <source>Régime au départ (tr/min)</source>
        <translation>Régime au départ (tr/min)</translation>
    </message>
    <message>
        <source>Température de l&apos;air (°C)</source>
        <translation>Température de l&apos;air (°C)</translation>
    </message>
    <message>
        <source>Pression de l&apos;air (hPa)</source>
        <translation>Pression de l&apos;air (hPa)</translation>
    </message>
    <message>
        <source>La moto prête à rouler avec le pilote équipé. Typique : 200 à 330 kg.</source>
        <translation>La moto prête à rouler avec le pilote équipé. Typique : 200 à 330 kg.</translation>
    </message>
    <message>
        <source>Surface frontale × coefficient de traînée. Sportive, pilote couché : 0,30 à 0,40 m² ; routière, pilote droit : 0,5 à 0,7 m².</source>
        <translation>Surface frontale × coefficient de traînée. Sportive, pilote couché : 0,30 à 0,40 m² ; routière, pilote droit : 0,5 à 0,7 m².</translation>
    </message>
    <message>
        <source>Coefficient de résistance au roulement des pneus sur le bitume. Typique : 0,010 à 0,020.</source>
        <translation>Coefficient de résistance au roulement des pneus sur le bitume. Typique : 0,010 à 0,020.</translation>
    </message>
    <message>
        <source>La part de la puissance du moteur qui arrive à la roue (primaire, boîte, chaîne). Typique : 85 à 92 %. Sans objet pour une courbe mesurée à la roue.</source>
        <translation>La part de la puissance du moteur qui arrive à la roue (primaire, boîte, chaîne). Typique : 85 à 92 %. Sans objet pour une courbe mesurée à la roue.</translation>
    </message>
    <message>
        <source>Roues, transmission et vilebrequin à mettre en rotation, en part de la masse, la même pour tous les rapports. Typique : 3 à 10 %.</source>
        <translation>Roues, transmission et vilebrequin à mettre en rotation, en part de la masse, la même pour tous les rapports. Typique : 3 à 10 %.</translation>
    </message>
    <message>
        <source>L&apos;accélération que le pneu et le cabrage permettent. Typique : 0,8 à 1,2 g.</source>
        <translation>L&apos;accélération que le pneu et le cabrage permettent. Typique : 0,8 à 1,2 g.</translation>
    </message>
    <message>
        <source>Le temps sans traction d&apos;un passage de rapport. Typique : 0,05 s (shifter) à 0,30 s.</source>
        <translation>Le temps sans traction d&apos;un passage de rapport. Typique : 0,05 s (shifter) à 0,30 s.</translation>
    </message>
    <message>
        <source>Le régime auquel l&apos;embrayage patine au départ. Typique : 6000 à 9000 tr/min pour une sportive.</source>
        <translation>Le régime auquel l&apos;embrayage patine au départ. Typique : 6000 à 9000 tr/min pour une sportive.</translation>
    </message>
    <message>
        <source>Pour la densité de l&apos;air. Typique : 0 à 40 °C.</source>
        <translation>Pour la densité de l&apos;air. Typique : 0 à 40 °C.</translation>
    </message>
    <message>
        <source>La pression atmosphérique du lieu : 1013 hPa au niveau de la mer, environ 12 hPa de moins tous les 100 m. Typique : 850 à 1040 hPa.</source>
        <translation>La pression atmosphérique du lieu : 1013 hPa au niveau de la mer, environ 12 hPa de moins tous les 100 m. Typique : 850 à 1040 hPa.</translation>
    </message>
    <message>
        <source>Passages optimaux</source>
        <translation>Passages optimaux</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Passage (tr/min)</source>
        <translation>Passage (tr/min)</translation>
    </message>
    <message>
        <source>Vitesse (km/h)</source>
        <translation>Vitesse (km/h)</translation>
    </message>
    <message>
        <source>Régime après (tr/min)</source>
        <translation>Régime après (tr/min)</translation>
    </message>
    <message>
        <source>Engagé à (s)</source>
        <translation>Engagé à (s)</translation>
    </message>
    <message>
        <source>Engagé à (km/h)</source>
        <translation>Engagé à (km/h)</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>400 m départ arrêté</source>
        <translation>400 m départ arrêté</translation>
    </message>
    <message>
        <source>Vitesse aux 400 m</source>
        <translation>Vitesse aux 400 m</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Vitesse maxi</source>
        <translation>Vitesse maxi</translation>
    </message>
    <message>
        <source>La vitesse où la force à la roue ne dépasse plus la résistance, en suivant les rapports comme au départ arrêté</source>
        <translation>La vitesse où la force à la roue ne dépasse plus la résistance, en suivant les rapports comme au départ arrêté</translation>
    </message>
    <message>
        <source>La vitesse la plus haute où le 6e rapport tire encore autant que la résistance</source>
        <translation>La vitesse la plus haute où le 6e rapport tire encore autant que la résistance</translation>
    </message>
    <message>
        <source>Le secondaire qui met le régime de puissance maxi à la vitesse maxi en 6e</source>
        <translation>Le secondaire qui met le régime de puissance maxi à la vitesse maxi en 6e</translation>
    </message>
    <message>
        <source>km/h en</source>
        <translation>km/h en</translation>
    </message>
    <message>
        <source>à</source>
        <translation>à</translation>
    </message>
    <message>
        <source>tr/min</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>En 6e</source>
        <translation>En 6e</translation>
    </message>
    <message>
        <source>Secondaire idéal</source>
        <translation>Secondaire idéal</translation>
    </message>
    <message>
        <source>Repère de la fenêtre principale : %1 tr/min</source>
        <translation>Repère de la fenêtre principale : %1 tr/min</translation>
    </message>
    <message>
        <source>La courbe doit avoir au moins 2 points.</source>
        <translation>La courbe doit avoir au moins 2 points.</translation>
    </message>
    <message>
        <source>Courbe, point %1 : </source>
        <translation>Courbe, point %1 : </translation>
    </message>
    <message>
        <source>le régime manque.</source>
        <translation>le régime manque.</translation>
    </message>
    <message>
        <source>le couple manque.</source>
        <translation>le couple manque.</translation>
    </message>
    <message>
        <source>le régime doit être supérieur à 0.</source>
        <translation>le régime doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>le couple ne peut pas être négatif.</source>
        <translation>le couple ne peut pas être négatif.</translation>
    </message>
    <message>
        <source>ce régime est déjà dans la courbe.</source>
        <translation>ce régime est déjà dans la courbe.</translation>
    </message>
    <message>
        <source>ce point ne convient pas.</source>
        <translation>ce point ne convient pas.</translation>
    </message>
    <message>
        <source>Le jeu de rapports de la fenêtre principale ne permet pas de calculer.</source>
        <translation>Le jeu de rapports de la fenêtre principale ne permet pas de calculer.</translation>
    </message>
    <message>
        <source>La zone rouge de la fenêtre principale est sous le premier point de la courbe.</source>
        <translation>La zone rouge de la fenêtre principale est sous le premier point de la courbe.</translation>
    </message>
    <message>
        <source>« %1 » : la valeur doit être supérieure à 0.</source>
        <translation>« %1 » : la valeur doit être supérieure à 0.</translation>
    </message>
    <message>
        <source>« %1 » : la valeur ne peut pas être négative.</source>
        <translation>« %1 » : la valeur ne peut pas être négative.</translation>
    </message>
    <message>
        <source>Le rendement doit être supérieur à 0 et au plus 100 %.</source>
        <translation>Le rendement doit être supérieur à 0 et au plus 100 %.</translation>
    </message>
    <message>
        <source>La température est sous le zéro absolu.</source>
        <translation>La température est sous le zéro absolu.</translation>
    </message>
    <message>
        <source>« %1 » : cette valeur ne convient pas.</source>
        <translation>« %1 » : cette valeur ne convient pas.</translation>
    </message>
    <message>
        <source>ne tire pas à %1</source>
        <translation>ne tire pas à %1</translation>
    </message>
    <message>
        <source>limitée par la résistance de l&apos;air</source>
        <translation>limitée par la résistance de l&apos;air</translation>
    </message>
    <message>
        <source>limitée par le régime</source>
        <translation>limitée par le régime</translation>
    </message>
    <message>
        <source>%1 à %2 tr/min</source>
        <translation>%1 à %2 tr/min</translation>
    </message>
    <message>
        <source>La fenêtre principale ne calcule pas : %1 Les derniers résultats restent.</source>
        <translation>La fenêtre principale ne calcule pas : %1 Les derniers résultats restent.</translation>
    </message>
    <message>
        <source>La fenêtre principale n&apos;a pas encore calculé : cliquez sur « Calculer ».</source>
        <translation>La fenêtre principale n&apos;a pas encore calculé : cliquez sur « Calculer ».</translation>
    </message>
    <message>
        <source>Courbe d&apos;exemple (1000 cm³, 169 ch à 11 000 tr/min) : remplacez-la par celle de votre moteur.</source>
        <translation>Courbe d&apos;exemple (1000 cm³, 169 ch à 11 000 tr/min) : remplacez-la par celle de votre moteur.</translation>
    </message>
    <message>
        <source>Ouvrir un export de banc</source>
        <translation>Ouvrir un export de banc</translation>
    </message>
    <message>
        <source>Exports de banc (*.csv *.txt)</source>
        <translation>Exports de banc (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Lecture de « %1 »…</source>
        <translation>Lecture de « %1 »…</translation>
    </message>
    <message>
        <source>« %1 » donne %2 points, la courbe en tient au plus %3 : elle reste comme elle était.</source>
        <translation>« %1 » donne %2 points, la courbe en tient au plus %3 : elle reste comme elle était.</translation>
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
        <translation>ch</translation>
    </message>
    <message>
        <source>hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>%1 (par défaut)</source>
        <translation>%1 (par défaut)</translation>
    </message>
    <message>
        <source>couple</source>
        <translation>couple</translation>
    </message>
    <message>
        <source>puissance</source>
        <translation>puissance</translation>
    </message>
    <message>
        <source>« %1 » : régime « %2 », %3 « %4 » en %5 ; %6 points, %7 lignes ignorées.</source>
        <translation>« %1 » : régime « %2 », %3 « %4 » en %5 ; %6 points, %7 lignes ignorées.</translation>
    </message>
    <message>
        <source>Mesurée à la roue.</source>
        <translation>Mesurée à la roue.</translation>
    </message>
    <message>
        <source>« %1 » : %2</source>
        <translation>« %1 » : %2</translation>
    </message>
    <message>
        <source>Pignons %1/%2, primaire %3, rapports %4, zone rouge %5 tr/min, développement %6 mm</source>
        <translation>Pignons %1/%2, primaire %3, rapports %4, zone rouge %5 tr/min, développement %6 mm</translation>
    </message>
    <message>
        <source> (mesurée à la roue)</source>
        <translation> (mesurée à la roue)</translation>
    </message>
    <message>
        <source>… et %1 points de plus</source>
        <translation>… et %1 points de plus</translation>
    </message>
    <message>
        <source>(à la roue)</source>
        <translation>(à la roue)</translation>
    </message>
    <message>
        <source>Départ arrêté : %1 %2 s, %3 %4 s, 400 m en %5 s à %6 %7</source>
        <translation>Départ arrêté : %1 %2 s, %3 %4 s, 400 m en %5 s à %6 %7</translation>
    </message>
    <message>
        <source>Vitesse maxi : %1 km/h en %2 à %3 tr/min, %4</source>
        <translation>Vitesse maxi : %1 km/h en %2 à %3 tr/min, %4</translation>
    </message>
    <message>
        <source>En 6e : %1</source>
        <translation>En 6e : %1</translation>
    </message>
    <message>
        <source>Secondaire pour la vitesse maxi : %1 (%2), %3 km/h</source>
        <translation>Secondaire pour la vitesse maxi : %1 (%2), %3 km/h</translation>
    </message>
    <message>
        <source>Performances : %1</source>
        <translation>Performances : %1</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::SprocketModel</name>
    <message>
        <source>oui</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>non</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Circuit (s)</source>
        <translation>Circuit (s)</translation>
    </message>
    <message>
        <source>Écart (s)</source>
        <translation>Écart (s)</translation>
    </message>
    <message>
        <source>Plus longue</source>
        <translation>Plus longue</translation>
    </message>
    <message>
        <source>Temps des lignes droites du circuit actuel avec cette paire, s (pas un temps au tour)</source>
        <translation>Temps des lignes droites du circuit actuel avec cette paire, s (pas un temps au tour)</translation>
    </message>
    <message>
        <source>Écart de ce temps par rapport à la transmission actuelle, s</source>
        <translation>Écart de ce temps par rapport à la transmission actuelle, s</translation>
    </message>
    <message>
        <source>La plus longue ligne droite : le rapport et le régime au freinage, ou la distance parcourue au limiteur en 6e</source>
        <translation>La plus longue ligne droite : le rapport et le régime au freinage, ou la distance parcourue au limiteur en 6e</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Pignon</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>Secondaire</source>
        <translation>Secondaire</translation>
    </message>
    <message>
        <source>Écart %</source>
        <translation>Écart %</translation>
    </message>
    <message>
        <source>Vmax 6e</source>
        <translation>Vmax 6e</translation>
    </message>
    <message>
        <source>Chaîne actuelle</source>
        <translation>Chaîne actuelle</translation>
    </message>
    <message>
        <source>Tient</source>
        <translation>Tient</translation>
    </message>
    <message>
        <source>Maillons</source>
        <translation>Maillons</translation>
    </message>
    <message>
        <source>Déplacement</source>
        <translation>Déplacement</translation>
    </message>
    <message>
        <source>Usure pignon</source>
        <translation>Usure pignon</translation>
    </message>
    <message>
        <source>Usure couronne</source>
        <translation>Usure couronne</translation>
    </message>
    <message>
        <source>Dents du pignon</source>
        <translation>Dents du pignon</translation>
    </message>
    <message>
        <source>Dents de la couronne</source>
        <translation>Dents de la couronne</translation>
    </message>
    <message>
        <source>Rapport secondaire : couronne / pignon</source>
        <translation>Rapport secondaire : couronne / pignon</translation>
    </message>
    <message>
        <source>Écart du secondaire par rapport à la transmission actuelle, en %</source>
        <translation>Écart du secondaire par rapport à la transmission actuelle, en %</translation>
    </message>
    <message>
        <source>Vmax en 6e à la zone rouge, km/h, avec les autres valeurs de la fenêtre principale</source>
        <translation>Vmax en 6e à la zone rouge, km/h, avec les autres valeurs de la fenêtre principale</translation>
    </message>
    <message>
        <source>Déplacement de l&apos;axe arrière avec la chaîne actuelle, mm (+ vers l&apos;arrière, - vers l&apos;avant)</source>
        <translation>Déplacement de l&apos;axe arrière avec la chaîne actuelle, mm (+ vers l&apos;arrière, - vers l&apos;avant)</translation>
    </message>
    <message>
        <source>oui : la chaîne actuelle tient dans la course de l&apos;axe arrière</source>
        <translation>oui : la chaîne actuelle tient dans la course de l&apos;axe arrière</translation>
    </message>
    <message>
        <source>Le nombre pair de maillons qui garde l&apos;axe arrière au plus près de sa place</source>
        <translation>Le nombre pair de maillons qui garde l&apos;axe arrière au plus près de sa place</translation>
    </message>
    <message>
        <source>Déplacement de l&apos;axe arrière avec ce nombre de maillons, mm (+ vers l&apos;arrière, - vers l&apos;avant)</source>
        <translation>Déplacement de l&apos;axe arrière avec ce nombre de maillons, mm (+ vers l&apos;arrière, - vers l&apos;avant)</translation>
    </message>
    <message>
        <source>Dents différentes qu&apos;un maillon rencontre / dents du pignon ; égales : usure régulière</source>
        <translation>Dents différentes qu&apos;un maillon rencontre / dents du pignon ; égales : usure régulière</translation>
    </message>
    <message>
        <source>Dents différentes qu&apos;un maillon rencontre / dents de la couronne ; égales : usure régulière</source>
        <translation>Dents différentes qu&apos;un maillon rencontre / dents de la couronne ; égales : usure régulière</translation>
    </message>
</context>
<context>
    <name>trovanta::ui::SprocketWindow</name>
    <message>
        <source>Pignons et chaîne</source>
        <translation>Pignons et chaîne</translation>
    </message>
    <message>
        <source>Transmission actuelle</source>
        <translation>Transmission actuelle</translation>
    </message>
    <message>
        <source>Pignon</source>
        <translation>Pignon</translation>
    </message>
    <message>
        <source>Couronne</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>Chaîne (maillons)</source>
        <translation>Chaîne (maillons)</translation>
    </message>
    <message>
        <source>Longueur d&apos;un maillon (cm)</source>
        <translation>Longueur d&apos;un maillon (cm)</translation>
    </message>
    <message>
        <source>Flèche (maillons)</source>
        <translation>Flèche (maillons)</translation>
    </message>
    <message>
        <source>Axe arrière</source>
        <translation>Axe arrière</translation>
    </message>
    <message>
        <source>Course restante vers l&apos;avant (mm)</source>
        <translation>Course restante vers l&apos;avant (mm)</translation>
    </message>
    <message>
        <source>Course restante vers l&apos;arrière (mm)</source>
        <translation>Course restante vers l&apos;arrière (mm)</translation>
    </message>
    <message>
        <source>Plages</source>
        <translation>Plages</translation>
    </message>
    <message>
        <source>Pignon de</source>
        <translation>Pignon de</translation>
    </message>
    <message>
        <source>Couronne de</source>
        <translation>Couronne de</translation>
    </message>
    <message>
        <source>à</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Objectif</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Écart du secondaire (%)</source>
        <translation>Écart du secondaire (%)</translation>
    </message>
    <message>
        <source>Tolérance ± (%)</source>
        <translation>Tolérance ± (%)</translation>
    </message>
    <message>
        <source>Ligne surlignée : la transmission actuelle.
Usure en gras : chaque maillon rencontre toutes les dents des deux pignons (usure régulière).</source>
        <translation>Ligne surlignée : la transmission actuelle.
Usure en gras : chaque maillon rencontre toutes les dents des deux pignons (usure régulière).</translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>La paire choisie dans la fenêtre principale</source>
        <translation>La paire choisie dans la fenêtre principale</translation>
    </message>
    <message>
        <source>Comparer</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>La paire choisie dans la fenêtre de comparaison</source>
        <translation>La paire choisie dans la fenêtre de comparaison</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>La fenêtre principale n&apos;a pas encore calculé : cliquez sur « Calculer » ou tapez le pignon et la couronne actuels.</source>
        <translation>La fenêtre principale n&apos;a pas encore calculé : cliquez sur « Calculer » ou tapez le pignon et la couronne actuels.</translation>
    </message>
    <message>
        <source>Chaîne (maillons) : Une valeur nulle n&apos;est pas possible ici. La chaîne actuelle vient de Catenolix (menu Outils) ou peut être tapée ici.</source>
        <translation>Chaîne (maillons) : Une valeur nulle n&apos;est pas possible ici. La chaîne actuelle vient de Catenolix (menu Outils) ou peut être tapée ici.</translation>
    </message>
    <message>
        <source>Une valeur nulle n&apos;est pas possible ici.</source>
        <translation>Une valeur nulle n&apos;est pas possible ici.</translation>
    </message>
    <message>
        <source>Une valeur négative n&apos;est pas possible ici.</source>
        <translation>Une valeur négative n&apos;est pas possible ici.</translation>
    </message>
    <message>
        <source>Plage trop grande : %1 paires au plus.</source>
        <translation>Plage trop grande : %1 paires au plus.</translation>
    </message>
    <message>
        <source>Aucune paire</source>
        <translation>Aucune paire</translation>
    </message>
    <message>
        <source>1 paire</source>
        <translation>1 paire</translation>
    </message>
    <message>
        <source>%1 paires</source>
        <translation>%1 paires</translation>
    </message>
    <message>
        <source>%1 · circuit %2/%3</source>
        <translation>%1 · circuit %2/%3</translation>
    </message>
    <message>
        <source>%1e · limiteur %2 m</source>
        <translation>%1e · limiteur %2 m</translation>
    </message>
    <message>
        <source>%1e · %2</source>
        <translation>%1e · %2</translation>
    </message>
    <message>
        <source>Circuit : optimum en limite de plage (%1/%2), élargissez les plages.</source>
        <translation>Circuit : optimum en limite de plage (%1/%2), élargissez les plages.</translation>
    </message>
</context>
</TS>
