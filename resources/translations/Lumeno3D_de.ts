<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DecimationLevels</name>
    <message>
        <source>Decimating 90%...</source>
        <translation>Dezimieren auf 90%...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>Dezimieren auf 80%...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>Dezimieren auf 70%...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>Dezimieren auf 60%...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>Dezimieren auf 50%...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>Dezimieren auf 40%...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>Dezimieren auf 30%...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>Dezimieren auf 20%...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>Dezimieren auf 10%...</translation>
    </message>
</context>
<context>
    <name>DeviationPicture</name>
    <message>
        <source>Deviation, % of the diagonal</source>
        <translation>Abweichung, % der Diagonale</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Deviation here: %1 % of the diagonal</source>
        <translation>Abweichung hier: %1 % der Diagonale</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>Weitere Details</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>Neue Version heruntergeladen!</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>Neue Version &amp;installieren!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Lumeno3D %1 is available.</source>
        <translation>Lumeno3D %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation>&amp;Downloadseite öffnen</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</source>
        <translation>Lumeno3D wird geschlossen, um eine neue Version zu installieren.
Möchten Sie Lumeno3D jetzt schließen und aktualisieren?</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>Grafikoptionen</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>Modellfarbe</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Beim Start nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Reduction method</source>
        <translation>Reduktionsverfahren</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</source>
        <translation>Sie haben die Sprache der Benutzeroberfläche von Lumeno3D geändert.

Die Änderung wird erst nach einem Neustart von Lumeno3D wirksam.</translation>
    </message>
    <message>
        <source>Ask before saving a file that cannot hold all the model carries</source>
        <translation>Vor dem Speichern in eine Datei fragen, die nicht alles aufnehmen kann, was das Modell enthält</translation>
    </message>
    <message>
        <source>Up axis in the first view of a model</source>
        <translation>Achse nach oben in der ersten Ansicht eines Modells</translation>
    </message>
    <message>
        <source>Automatic: Z for 3MF and printer parts, else Y</source>
        <translation>Automatisch: Z für 3MF und Druckteile, sonst Y</translation>
    </message>
    <message>
        <source>Y up</source>
        <translation>Y nach oben</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z nach oben</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>Diese Größen können nicht übernommen werden: Jede Größe muss größer als 0 sein, und das skalierte Modell muss innerhalb der Koordinaten bleiben, die eine Modelldatei aufnehmen kann.</translation>
    </message>
    <message>
        <source>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</source>
        <translation>Proportionen beibehalten: Eine neue Größe entlang einer Achse skaliert alle drei Achsen gleichermaßen. Klicken Sie, um die Größe jeder Achse einzeln festzulegen.</translation>
    </message>
    <message>
        <source>Each axis is sized on its own. Click to keep the proportions.</source>
        <translation>Die Größe jeder Achse wird einzeln festgelegt. Klicken Sie, um die Proportionen beizubehalten.</translation>
    </message>
    <message>
        <source>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</source>
        <translation>Diese Drehung kann nicht übernommen werden: Das gedrehte Modell würde nicht innerhalb der Koordinaten bleiben, die eine Modelldatei aufnehmen kann. Wählen Sie andere Winkel oder kleinere Größen.</translation>
    </message>
    <message>
        <source>Size (%1)</source>
        <translation>Größe (%1)</translation>
    </message>
    <message>
        <source>The scale factor along %1: the size set divided by the model&apos;s own size</source>
        <translation>Der Skalierungsfaktor entlang %1: die eingestellte Größe geteilt durch die eigene Größe des Modells</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>Neue Version wird heruntergeladen!</translation>
    </message>
</context>
<context>
    <name>DualView</name>
    <message>
        <source>With %1</source>
        <translation>Mit %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parts</source>
        <translation>
            <numerusform>%n Teil</numerusform>
            <numerusform>%n Teile</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts: %1</source>
        <translation>
            <numerusform>%n Teil: %1</numerusform>
            <numerusform>%n Teile: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n Material</numerusform>
            <numerusform>%n Materialien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials: %1</source>
        <translation>
            <numerusform>%n Material: %1</numerusform>
            <numerusform>%n Materialien: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn simplified to %1 triangles to fit into memory</source>
        <translation>Vereinfacht gezeichnet mit %1 Dreiecken, damit es in den Speicher passt</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>%1 kB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Lumeno3D Help</source>
        <translation>Lumeno3D-Hilfe</translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation>Lumeno3D macht Dreiecksnetze leichter: Es verringert die Anzahl der Dreiecke eines Modells, wobei seine Form erhalten bleibt, und speichert das Ergebnis.</translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation>Ein Modell öffnen</translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation>Reduzieren</translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level&apos;s button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation>Sobald ein Modell geladen ist, berechnet Lumeno3D neun Stufen, die 90 bis 10 Prozent seiner Dreiecke behalten; die Schaltfläche jeder Stufe zeigt die Größe ihrer Datei. Sie können das Modell auch auf einen eigenen Prozentsatz reduzieren oder so weit, wie es eine maximale Abweichung von seiner Form zulässt.</translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation>Glätten und Transformieren</translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation>Glätten gleicht die Oberfläche des rechten Modells aus. Transformieren skaliert und dreht das Modell; beide Ansichten zeigen die Änderung, bevor Sie sie übernehmen.</translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation>Betrachten</translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation>Drehen Sie das Modell mit der linken Maustaste, verschieben Sie es mit der mittleren Taste und zoomen Sie mit dem Mausrad; die rechte Ansicht folgt der linken. Die Schaltflächen unten wechseln zwischen Oberfläche, Punkten und Drahtgitter, passen das Modell in die Ansichten ein und zeigen es von vorne, von der Seite, von oben oder perspektivisch.</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation>Wählen Sie die Sprache der Oberfläche, die Farbe des Modells und die Farben des Hintergrunds. Eine neue Sprache wird beim nächsten Start wirksam.</translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation>Die neueste Version dieser Seite finden Sie im Web:</translation>
    </message>
    <message>
        <source>You can also drop a model file on the window.</source>
        <translation>Sie können eine Modelldatei auch auf das Fenster ziehen und dort ablegen.</translation>
    </message>
    <message>
        <source>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</source>
        <translation>Rückgängig und Wiederherstellen im Menü Bearbeiten nehmen Transformationen und Glättungen zurück und wiederholen sie. Wenn Neu, Öffnen oder das Schließen ungespeicherte Änderungen verwerfen würde, fragt Lumeno3D vorher nach.</translation>
    </message>
    <message>
        <source>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</source>
        <translation>Beim Start nach Aktualisierungen suchen: Bei jedem Start fragt Lumeno3D auf seiner Website nach einer neueren Version und sagt Ihnen Bescheid, wenn es eine gibt.</translation>
    </message>
    <message>
        <source>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</source>
        <translation>Reduktionsverfahren: Qualität erstellt alle Stufen in einem Durchgang und bleibt um ein Mehrfaches näher an der Form; Klassisch ist das Verfahren früherer Versionen.</translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</source>
        <translation>Speichern unter im Menü Datei schreibt das rechts angezeigte Modell als STL, PLY, OBJ, GLB, glTF, 3MF oder OFF. PLY, GLB und glTF behalten Eckpunktfarben, Normalen und Texturkoordinaten; eine glTF-Datei enthält ihre Daten selbst, ohne .bin-Datei daneben. Schnappschuss speichert beide Ansichten als PNG-Bilder.</translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation>Wählen Sie im Menü Datei den Eintrag Öffnen und dann eine STL-, OBJ-, PLY-, OFF-, glTF- (.gltf oder .glb) oder 3MF-Datei. Die Teile einer glTF-, 3MF- oder OBJ-Datei bleiben Teile, jedes an der Stelle, an die die Datei es setzt, mit ihren Materialien und Texturen. Die linke Ansicht zeigt das Modell wie geladen, die rechte das reduzierte Modell. Das Menü Datei listet außerdem die zuletzt geöffneten Dateien auf.</translation>
    </message>
    <message>
        <source>Show deviation in the View menu colours the reduced model by each point&apos;s distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</source>
        <translation>Abweichung zeigen im Menü Ansicht färbt das reduzierte Modell nach dem Abstand jedes Punkts zum geladenen Modell, von Blau (keine) bis Dunkelrot (die größte); die Legende zeigt die Skala, der Mauszeiger den Wert unter ihm.</translation>
    </message>
    <message>
        <source>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</source>
        <translation>Stufen in einer Datei speichern schreibt das Modell und seine neun Stufen als Detailstufen in eine GLB-Datei, die Spiele- und Web-Engines lesen.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Lumeno3D</source>
        <translation>Lumeno3D</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Hauptwerkzeugleiste</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>Dezimierung nach Prozentsatz</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>Dezimierung nach Fehler</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>Untere Werkzeugleiste</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Schnappschuss</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>Schnappschuss erstellen</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformieren</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Glätten</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Anzeigemodus</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Front view</source>
        <translation>Vorderansicht</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>Seitenansicht</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>Draufsicht</translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation>Perspektivische Ansicht</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>Lumeno3D beenden</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>Die Datei </translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation> existiert nicht.</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>Fehler beim Öffnen von </translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Modell speichern</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>PNG-Datei (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>Schnappschuss speichern</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>Das Bild konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>Der Schnappschuss konnte nicht unter %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation>Eigener Prozentsatz...</translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation>Einen Prozentsatz der Dreiecke behalten, den Sie eingeben</translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation>Eigene Fehlerschranke...</translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation>Dreiecke entfernen, soweit eine Fehlerschranke, die Sie als Anteil der Diagonale des Begrenzungsrahmens eingeben, es zulässt</translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation>Fehlerschranke des Filters als Anteil der Diagonale des Begrenzungsrahmens:</translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation>Prozentsatz der zu behaltenden Dreiecke, von %1 bis %2:</translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation>%1% der Dreiecke können nicht behalten werden: Geben Sie einen Prozentsatz von %2 bis %3 ein. Das angezeigte Modell bleibt unverändert.</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Glättung</translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation>Sie wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation>Falls sie verschoben oder umbenannt wurde, öffnen Sie sie an ihrem neuen Ort.</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation>In Lumeno3D ist kein Modell geladen.</translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation>Öffnen Sie zuerst ein Modell.</translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation>Wählen Sie einen anderen Namen oder Ordner und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation>max. Abweichung %1 %, Mittel %2 %</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Möchten Sie die Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation>Die Transformation oder Glättung des Modells geht verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>One model is open at a time: only %1 was opened.</source>
        <translation>Es ist immer nur ein Modell geöffnet: Nur %1 wurde geöffnet.</translation>
    </message>
    <message>
        <source>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</source>
        <translation>Alle Modelle (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL-Datei (*.stl);; PLY-Datei (*.ply);; OBJ-Datei (*.obj);; OFF-Datei (*.off);; glTF-Datei (*.gltf *.glb);; 3MF-Datei (*.3mf)</translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</source>
        <translation>Prüfen Sie, ob es eine vollständige STL-, OBJ-, PLY-, OFF-, glTF-, GLB- oder 3MF-Datei ist, oder exportieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</source>
        <translation>STL-Datei (*.stl);; PLY-Datei (*.ply);; OBJ-Datei (*.obj);; GLB-Datei (*.glb);; glTF-Datei (*.gltf);; 3MF-Datei (*.3mf);; OFF-Datei (*.off)</translation>
    </message>
    <message>
        <source>Error bound %1</source>
        <translation>Fehlerschranke %1</translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, %1 of the bounding box diagonal, allows</source>
        <translation>Dreiecke entfernen, soweit die Fehlerschranke des Filters, %1 der Diagonale des Begrenzungsrahmens, es zulässt</translation>
    </message>
    <message>
        <source>%1 cannot hold all that this model carries. Not saved:</source>
        <translation>%1 kann nicht alles aufnehmen, was dieses Modell enthält. Nicht gespeichert wird:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>The question can be turned on again in the Preferences.</source>
        <translation>Die Frage lässt sich in den Einstellungen wieder einschalten.</translation>
    </message>
    <message>
        <source>The %1% level was not made: click to make the missing levels.</source>
        <translation>Die Stufe %1 % wurde nicht erstellt: Klicken erstellt die fehlenden Stufen.</translation>
    </message>
    <message>
        <source>Open a model with %1 &gt; %2 (%3)</source>
        <translation>Ein Modell mit %1 &gt; %2 (%3) öffnen</translation>
    </message>
    <message>
        <source>or drop a model file here</source>
        <translation>oder eine Modelldatei hier ablegen</translation>
    </message>
    <message>
        <source>(STL, OBJ, PLY, OFF, glTF or 3MF).</source>
        <translation>(STL, OBJ, PLY, OFF, glTF oder 3MF).</translation>
    </message>
    <message>
        <source>The files opened last are at the end of the %1 menu.</source>
        <translation>Die zuletzt geöffneten Dateien stehen am Ende des Menüs %1.</translation>
    </message>
    <message>
        <source>The reduced model appears here.</source>
        <translation>Hier erscheint das reduzierte Modell.</translation>
    </message>
    <message>
        <source>Save parts as one &amp;model</source>
        <translation>Teile als ein &amp;Modell speichern</translation>
    </message>
    <message>
        <source>Saves the parts of a model of several parts as one part, as they are drawn</source>
        <translation>Speichert die Teile eines Modells aus mehreren Teilen als ein Teil, so wie sie gezeichnet werden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Save &amp;levels as one file...</source>
        <translation>&amp;Stufen in einer Datei speichern...</translation>
    </message>
    <message>
        <source>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</source>
        <translation>Speichert das Modell und seine neun Stufen als Detailstufen in einer GLB-Datei, die Spiele- und Web-Engines lesen</translation>
    </message>
    <message>
        <source>Show &amp;deviation</source>
        <translation>&amp;Abweichung zeigen</translation>
    </message>
    <message>
        <source>Colour the reduced model by each point&apos;s distance to the loaded model</source>
        <translation>Färbt das reduzierte Modell nach dem Abstand jedes Punkts zum geladenen Modell</translation>
    </message>
    <message>
        <source>Save levels as one file</source>
        <translation>Stufen in einer Datei speichern</translation>
    </message>
    <message>
        <source>GLB file (*.glb)</source>
        <translation>GLB-Datei (*.glb)</translation>
    </message>
</context>
<context>
    <name>ModelDocument</name>
    <message>
        <source>Opening file...</source>
        <translation>Datei wird geöffnet...</translation>
    </message>
    <message>
        <source>%1 polygons without area could not be made into triangles and were left out.</source>
        <translation>%1 Polygone ohne Fläche konnten nicht in Dreiecke umgewandelt werden und wurden ausgelassen.</translation>
    </message>
    <message>
        <source>Opening cancelled. The right view still shows %1.</source>
        <translation>Öffnen abgebrochen. Die rechte Ansicht zeigt weiterhin %1.</translation>
    </message>
    <message>
        <source>Opening cancelled.</source>
        <translation>Öffnen abgebrochen.</translation>
    </message>
    <message>
        <source>Cancelled. The right view now shows %1.</source>
        <translation>Abgebrochen. Die rechte Ansicht zeigt jetzt %1.</translation>
    </message>
    <message>
        <source>Cancelled. The right view still shows %1.</source>
        <translation>Abgebrochen. Die rechte Ansicht zeigt weiterhin %1.</translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation>Dezimieren auf %1%...</translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation>Dezimieren bis Fehlerschranke %1...</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>Glätten...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</source>
        <translation>Fertig, aber das Modell lässt sich nicht so weit reduzieren: Es werden %1% der Dreiecke behalten, nicht die verlangten %2%.</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</source>
        <translation>Fertig, aber das Modell lässt sich nicht so weit reduzieren: Die Stufe %1% behält %2% der Dreiecke.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Saved to %1; %2</source>
        <translation>Gespeichert unter %1; %2</translation>
    </message>
    <message>
        <source>Done, but %1% of the triangles are kept, fewer than the %2% asked.</source>
        <translation>Fertig, aber es werden %1% der Dreiecke behalten, weniger als die verlangten %2%.</translation>
    </message>
    <message>
        <source>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</source>
        <translation>Fertig, aber die Stufe %1% behält %2% der Dreiecke, weniger als verlangt.</translation>
    </message>
    <message>
        <source>Not enough memory for this operation: the right view still shows %1.</source>
        <translation>Nicht genügend Arbeitsspeicher für diesen Vorgang: Die rechte Ansicht zeigt weiterhin %1.</translation>
    </message>
    <message>
        <source>Not enough memory for the %1% level: the levels above it are kept.</source>
        <translation>Nicht genügend Arbeitsspeicher für die Stufe %1%: Die Stufen darüber bleiben erhalten.</translation>
    </message>
    <message>
        <source>Making the levels again with the engine chosen: %1 of %2...</source>
        <translation>Die Stufen werden mit dem gewählten Verfahren neu erstellt: %1 von %2...</translation>
    </message>
    <message>
        <source>Making the levels: %1 of %2...</source>
        <translation>Die Stufen werden erstellt: %1 von %2...</translation>
    </message>
    <message>
        <source>The button of a level not made makes the missing levels.</source>
        <translation>Die Schaltfläche einer nicht erstellten Stufe erstellt die fehlenden Stufen.</translation>
    </message>
    <message>
        <source>Saving to %1...</source>
        <translation>Speichern nach %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</source>
        <translation>
            <numerusform>%n Textur kann nicht als Bild gelesen werden: %1. Ihr Material wird in seiner einfachen Farbe gezeichnet.</numerusform>
            <numerusform>%n Texturen können nicht als Bilder gelesen werden: %1. Ihre Materialien werden in ihrer einfachen Farbe gezeichnet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>To reach the triangle count, borders and texture seams were allowed to move off their lines.</source>
        <translation>Um die Dreieckszahl zu erreichen, durften Ränder und Texturnähte ihre Linien verlassen.</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>This file doesn&apos;t exist.</source>
        <translation>Diese Datei existiert nicht.</translation>
    </message>
    <message>
        <source>This is a folder, not a model file.</source>
        <translation>Dies ist ein Ordner, keine Modelldatei.</translation>
    </message>
    <message>
        <source>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</source>
        <translation>Dies ist keine Datei auf einem Datenträger, sondern eine Pipe, ein Gerät oder ein Socket: Lumeno3D öffnet nur Modelldateien.</translation>
    </message>
    <message>
        <source>This file is empty: it holds no model.</source>
        <translation>Diese Datei ist leer: Sie enthält kein Modell.</translation>
    </message>
    <message>
        <source>This file cannot be read: %1.</source>
        <translation>Diese Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</source>
        <translation>Diese Datei hat sich geändert, während sie gelesen wurde; möglicherweise schreibt ein anderes Programm noch daran. Öffnen Sie sie erneut, sobald sie vollständig ist.</translation>
    </message>
    <message>
        <source>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</source>
        <translation>Lumeno3D konnte seine Arbeitskopie dieser Datei nicht im temporären Ordner %1 ablegen; möglicherweise ist er voll.</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>Diese Datei scheint beschädigt zu sein und kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</source>
        <translation>Diese Datei enthält keine Dreiecke mit einer Fläche, nur Punkte oder Linien (etwa eine Punktwolke): Lumeno3D reduziert Dreiecksnetze.</translation>
    </message>
    <message>
        <source>All points of this model lie at one place: it has no surface to show or reduce.</source>
        <translation>Alle Punkte dieses Modells liegen an einer Stelle: Es hat keine Oberfläche, die angezeigt oder reduziert werden könnte.</translation>
    </message>
    <message>
        <source>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</source>
        <translation>Lumeno3D liest STL-, OBJ-, PLY-, OFF-, glTF-, GLB- und 3MF-Dateien: Wählen Sie eine Datei, deren Name auf .stl, .obj, .ply, .off, .gltf, .glb oder .3mf endet.</translation>
    </message>
    <message>
        <source>The file %1, which holds this model&apos;s data, is missing beside it or cannot be read: copy it into the same folder.</source>
        <translation>Die Datei %1, die die Daten dieses Modells enthält, liegt nicht neben der Modelldatei oder kann nicht gelesen werden: Kopieren Sie sie in denselben Ordner.</translation>
    </message>
    <message>
        <source>This file needs %1, which Lumeno3D cannot read: export it again without it.</source>
        <translation>Diese Datei benötigt %1, was Lumeno3D nicht lesen kann: Exportieren Sie sie erneut ohne diese Anforderung.</translation>
    </message>
    <message numerus="yes">
        <source>%n parts were merged into one model.</source>
        <translation>
            <numerusform>%n Teil wurde zu einem Modell zusammengeführt.</numerusform>
            <numerusform>%n Teile wurden zu einem Modell zusammengeführt.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s materials and textures are not kept: they are not saved with the model.</source>
        <translation>Die Materialien und Texturen dieser Datei bleiben nicht erhalten: Sie werden nicht mit dem Modell gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of points or lines were left out: they have no triangles.</source>
        <translation>
            <numerusform>%n Gruppe aus Punkten oder Linien wurde ausgelassen: Sie hat keine Dreiecke.</numerusform>
            <numerusform>%n Gruppen aus Punkten oder Linien wurden ausgelassen: Sie haben keine Dreiecke.</numerusform>
        </translation>
    </message>
    <message>
        <source>The colours of this file&apos;s faces are left out: Lumeno3D keeps vertex colours only.</source>
        <translation>Die Farben der Flächen dieser Datei werden ausgelassen: Lumeno3D behält nur Eckpunktfarben bei.</translation>
    </message>
    <message>
        <source>JSON nested %1 levels deep</source>
        <translation>JSON, das %1 Ebenen tief verschachtelt ist</translation>
    </message>
    <message>
        <source>nodes nested %1 levels deep</source>
        <translation>Knoten, die %1 Ebenen tief verschachtelt sind</translation>
    </message>
    <message>
        <source>%1 placed nodes</source>
        <translation>%1 platzierte Knoten</translation>
    </message>
    <message>
        <source>%1 placed parts</source>
        <translation>%1 platzierte Teile</translation>
    </message>
    <message>
        <source>%1 points or triangles in all its parts</source>
        <translation>%1 Punkte oder Dreiecke in allen ihren Teilen</translation>
    </message>
    <message>
        <source>This file is larger than the %1 Lumeno3D reads.</source>
        <translation>Diese Datei ist größer als die %1, die Lumeno3D liest.</translation>
    </message>
    <message>
        <source>There is not enough memory for reading this file: close other programs and open it again.</source>
        <translation>Zum Lesen dieser Datei ist nicht genügend Arbeitsspeicher vorhanden: Schließen Sie andere Programme und öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>This file holds more than Lumeno3D reads: %1.</source>
        <translation>Diese Datei enthält mehr, als Lumeno3D liest: %1.</translation>
    </message>
    <message>
        <source>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</source>
        <translation>glTF 1.0 wird nicht unterstützt; Lumeno3D liest glTF 2.0.</translation>
    </message>
    <message>
        <source>This glTF file holds no meshes: there is no surface to show or reduce.</source>
        <translation>Diese glTF-Datei enthält keine Netze: Es gibt keine Oberfläche, die angezeigt oder reduziert werden könnte.</translation>
    </message>
    <message>
        <source>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</source>
        <translation>Diese Datei enthält nur Punkte, keine Dreiecke: Lumeno3D reduziert Dreiecksnetze.</translation>
    </message>
    <message>
        <source>This 3MF file places no object on its build plate: it has no build items.</source>
        <translation>Diese 3MF-Datei platziert kein Objekt auf ihrer Bauplatte: Sie hat keine Build-Elemente.</translation>
    </message>
    <message>
        <source>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</source>
        <translation>Diese Datei verweist auf %1, was keine Datei in ihrem eigenen Ordner ist: Lumeno3D liest nur Dateien, die neben dem Modell liegen.</translation>
    </message>
    <message>
        <source>This file&apos;s %1 are left out: only some of its parts or faces carry them.</source>
        <translation>Die %1 dieser Datei werden ausgelassen: Nur einige ihrer Teile oder Flächen enthalten sie.</translation>
    </message>
    <message>
        <source>This file gives its sizes in the unit &quot;%1&quot;; they were converted to millimetres.</source>
        <translation>Diese Datei gibt ihre Größen in der Einheit „%1“ an; sie wurden in Millimeter umgerechnet.</translation>
    </message>
    <message>
        <source>%1 vertices or face corners</source>
        <translation>%1 Eckpunkte oder Flächenecken</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot;</source>
        <translation>die Einheit „%1“</translation>
    </message>
    <message>
        <source>components nested more than %1 deep</source>
        <translation>Komponenten, die mehr als %1 Ebenen tief verschachtelt sind</translation>
    </message>
    <message>
        <source>more than %1 placed objects</source>
        <translation>mehr als %1 platzierte Objekte</translation>
    </message>
    <message>
        <source>more than %1 MiB of text without a tag</source>
        <translation>mehr als %1 MiB Text ohne Tag</translation>
    </message>
    <message>
        <source>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</source>
        <translation>Materialbibliotheken fehlen neben diesem Modell oder liegen außerhalb seines Ordners: %1. Ihre Materialien werden in einer einfachen Farbe gezeigt.</translation>
    </message>
    <message>
        <source>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</source>
        <translation>Texturen fehlen neben diesem Modell, liegen außerhalb seines Ordners oder sind unlesbar: %1. Ihre Materialien werden in ihren einfachen Farben gezeigt.</translation>
    </message>
    <message>
        <source>%1 materials or %2 groups</source>
        <translation>%1 Materialien oder %2 Gruppen</translation>
    </message>
    <message>
        <source>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</source>
        <translation>Dieses Modell mit etwa %1 Dreiecken braucht etwa %2 Speicher, um geöffnet zu werden und seine Stufen zu erstellen, verfügbar sind aber nur %3: Schließen Sie andere Programme oder öffnen Sie es auf einem Computer mit mehr Speicher.</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>Das Modell konnte nicht unter %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>Daneben konnte keine temporäre Datei angelegt werden.</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>Das Schreiben der Datei ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>Es gibt kein Modell zum Speichern.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>Das Modell hat keine Dreiecke.</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>Das Modell hat Koordinaten, die keine endlichen Zahlen sind.</translation>
    </message>
    <message>
        <source>%1 are not saved: STL files hold the triangles only.</source>
        <translation>%1 werden nicht gespeichert: STL-Dateien enthalten nur die Dreiecke.</translation>
    </message>
    <message>
        <source>%1 are not saved: OBJ files hold normals and texture coordinates only.</source>
        <translation>%1 werden nicht gespeichert: OBJ-Dateien enthalten nur Normalen und Texturkoordinaten.</translation>
    </message>
    <message>
        <source>%1 are not saved: OFF files hold vertex colours only.</source>
        <translation>%1 werden nicht gespeichert: OFF-Dateien enthalten nur Eckpunktfarben.</translation>
    </message>
    <message>
        <source>%1 are not saved: 3MF files hold vertex colours only.</source>
        <translation>%1 werden nicht gespeichert: 3MF-Dateien enthalten nur Eckpunktfarben.</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</source>
        <translation>%1 wurde nicht gespeichert: Ein Modell kann nur als STL-, PLY-, OBJ-, GLB-, glTF-, 3MF- oder OFF-Datei gespeichert werden.</translation>
    </message>
    <message>
        <source>There is not enough memory for writing it: close other programs and save again.</source>
        <translation>Zum Schreiben ist nicht genügend Arbeitsspeicher vorhanden: Schließen Sie andere Programme und speichern Sie erneut.</translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n Material</numerusform>
            <numerusform>%n Materialien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n textures</source>
        <translation>
            <numerusform>%n Textur</numerusform>
            <numerusform>%n Texturen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n Teil, als ein Modell gespeichert</numerusform>
            <numerusform>%n Teile, als ein Modell gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</source>
        <translation>nicht gespeichert: %1. 3MF-Dateien enthalten die Grundfarbtexturen nur von Modellen mit Texturkoordinaten.</translation>
    </message>
    <message>
        <source>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</source>
        <translation>nicht gespeichert: %1. glTF-Dateien enthalten nur PNG- und JPEG-Bilder, und ein fehlendes Bild kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>not saved: %1. %2 files hold no materials, textures or parts.</source>
        <translation>nicht gespeichert: %1. %2-Dateien enthalten keine Materialien, Texturen oder Teile.</translation>
    </message>
    <message>
        <source>%1 was not saved: the levels are saved in one file as GLB only.</source>
        <translation>%1 wurde nicht gespeichert: Die Stufen werden in einer Datei nur als GLB gespeichert.</translation>
    </message>
</context>
<context>
    <name>PointAttributes</name>
    <message>
        <source>vertex colours</source>
        <translation>Eckpunktfarben</translation>
    </message>
    <message>
        <source>normals</source>
        <translation>Normalen</translation>
    </message>
    <message>
        <source>texture coordinates</source>
        <translation>Texturkoordinaten</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>SaveLoss</name>
    <message>
        <source>materials and textures</source>
        <translation>Materialien und Texturen</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n Teil, als ein Modell gespeichert</numerusform>
            <numerusform>%n Teile, als ein Modell gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>The materials and parts that reading the file could not keep are not in the model.</source>
        <translation>Die Materialien und Teile, die beim Lesen der Datei nicht erhalten werden konnten, sind nicht im Modell.</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Transformation</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Z:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
</TS>
