<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>DecimationLevels</name>
    <message>
        <source>Decimating 90%...</source>
        <translation>Decimazione 90% in corso...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>Decimazione 80% in corso...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>Decimazione 70% in corso...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>Decimazione 60% in corso...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>Decimazione 50% in corso...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>Decimazione 40% in corso...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>Decimazione 30% in corso...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>Decimazione 20% in corso...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>Decimazione 10% in corso...</translation>
    </message>
</context>
<context>
    <name>DeviationPicture</name>
    <message>
        <source>Deviation, % of the diagonal</source>
        <translation>Deviazione, % della diagonale</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Deviation here: %1 % of the diagonal</source>
        <translation>Deviazione qui: %1 % della diagonale</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>Ulteriori dettagli</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>Informazioni su Qt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>Nuova versione scaricata!</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>&amp;Installa la nuova versione!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Lumeno3D %1 is available.</source>
        <translation>Lumeno3D %1 è disponibile.</translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation>&amp;Apri la pagina di download</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</source>
        <translation>Lumeno3D verrà chiuso per installare una nuova versione.
Chiudere Lumeno3D e aggiornarlo?</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>Opzioni grafiche</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>Colore del modello</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>In alto</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>In basso</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Controlla gli aggiornamenti all&apos;avvio</translation>
    </message>
    <message>
        <source>Reduction method</source>
        <translation>Metodo di riduzione</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <source>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</source>
        <translation>È stata cambiata la lingua dell&apos;interfaccia utente di Lumeno3D.

La modifica avrà effetto solo dopo il riavvio di Lumeno3D.</translation>
    </message>
    <message>
        <source>Ask before saving a file that cannot hold all the model carries</source>
        <translation>Chiedere prima di salvare un file che non può contenere tutto ciò che il modello porta</translation>
    </message>
    <message>
        <source>Up axis in the first view of a model</source>
        <translation>Asse verso l&apos;alto nella prima vista di un modello</translation>
    </message>
    <message>
        <source>Automatic: Z for 3MF and printer parts, else Y</source>
        <translation>Automatico: Z per 3MF e parti da stampare, altrimenti Y</translation>
    </message>
    <message>
        <source>Y up</source>
        <translation>Y verso l&apos;alto</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z verso l&apos;alto</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>Queste dimensioni non possono essere applicate: ogni dimensione deve essere maggiore di 0 e il modello scalato deve restare entro le coordinate che un file di modello può contenere.</translation>
    </message>
    <message>
        <source>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</source>
        <translation>Proporzioni mantenute: una nuova dimensione lungo un asse scala tutti e tre gli assi allo stesso modo. Fare clic per dimensionare ogni asse separatamente.</translation>
    </message>
    <message>
        <source>Each axis is sized on its own. Click to keep the proportions.</source>
        <translation>Ogni asse viene dimensionato separatamente. Fare clic per mantenere le proporzioni.</translation>
    </message>
    <message>
        <source>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</source>
        <translation>Questa rotazione non può essere applicata: il modello ruotato non resterebbe entro le coordinate che un file di modello può contenere. Scegliere altri angoli o dimensioni minori.</translation>
    </message>
    <message>
        <source>Size (%1)</source>
        <translation>Dimensioni (%1)</translation>
    </message>
    <message>
        <source>The scale factor along %1: the size set divided by the model&apos;s own size</source>
        <translation>Il fattore di scala lungo %1: la dimensione impostata divisa per quella propria del modello</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>Download della nuova versione in corso!</translation>
    </message>
</context>
<context>
    <name>DualView</name>
    <message>
        <source>With %1</source>
        <translation>Con %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parts</source>
        <translation>
            <numerusform>%n parte</numerusform>
            <numerusform>%n parti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts: %1</source>
        <translation>
            <numerusform>%n parte: %1</numerusform>
            <numerusform>%n parti: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n materiale</numerusform>
            <numerusform>%n materiali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials: %1</source>
        <translation>
            <numerusform>%n materiale: %1</numerusform>
            <numerusform>%n materiali: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn simplified to %1 triangles to fit into memory</source>
        <translation>Disegnato semplificato a %1 triangoli per stare in memoria</translation>
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
        <translation>Guida di Lumeno3D</translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation>Lumeno3D alleggerisce le mesh di triangoli: riduce il numero di triangoli di un modello mantenendone la forma e salva il risultato.</translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation>Aprire un modello</translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation>Ridurre</translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level&apos;s button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation>Appena un modello è caricato, Lumeno3D calcola nove livelli che conservano dal 90 al 10 percento dei suoi triangoli; il pulsante di ogni livello mostra la dimensione del relativo file. È anche possibile ridurre il modello a una percentuale a scelta, oppure fin dove lo consente uno scostamento massimo dalla sua forma.</translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation>Levigare e trasformare</translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation>Leviga uniforma la superficie del modello a destra. Trasforma scala e ruota il modello; entrambe le viste mostrano la modifica prima che venga accettata.</translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation>Visualizzare</translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation>Ruotare il modello con il tasto sinistro del mouse, spostarlo con il tasto centrale e ingrandire con la rotellina; la vista a destra segue quella a sinistra. I pulsanti in basso passano tra superficie, punti e reticolo, adattano il modello alle viste e lo mostrano di fronte, di lato, dall&apos;alto o in prospettiva.</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation>Scegliere la lingua dell&apos;interfaccia, il colore del modello e i colori dello sfondo. Una nuova lingua ha effetto al successivo avvio.</translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation>La versione più recente di questa pagina è sul web:</translation>
    </message>
    <message>
        <source>You can also drop a model file on the window.</source>
        <translation>Puoi anche trascinare un file di modello sulla finestra.</translation>
    </message>
    <message>
        <source>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</source>
        <translation>Annulla e Ripeti, nel menu Modifica, annullano e ripetono trasformazioni e levigature. Quando Nuovo, Apri o la chiusura scarterebbero modifiche non salvate, Lumeno3D chiede prima.</translation>
    </message>
    <message>
        <source>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</source>
        <translation>Controlla gli aggiornamenti all&apos;avvio: a ogni avvio Lumeno3D chiede al suo sito web se esiste una versione più recente e ti avvisa quando c&apos;è.</translation>
    </message>
    <message>
        <source>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</source>
        <translation>Metodo di riduzione: Qualità crea tutti i livelli in un solo passaggio e resta molte volte più vicino alla forma; Classico è il metodo delle versioni precedenti.</translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</source>
        <translation>Salva come nel menu File scrive il modello mostrato a destra come STL, PLY, OBJ, GLB, glTF, 3MF o OFF. PLY, GLB e glTF mantengono i colori dei vertici, le normali e le coordinate di texture; un file glTF contiene direttamente i propri dati, senza alcun file .bin accanto. Istantanea salva entrambe le viste come immagini PNG.</translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation>Scegliere Apri nel menu File e selezionare un file STL, OBJ, PLY, OFF, glTF (.gltf o .glb) o 3MF. Le parti di un file glTF, 3MF o OBJ restano parti, ognuna nella posizione indicata dal file, con i loro materiali e texture. La vista a sinistra mostra il modello così come è stato caricato, quella a destra il modello ridotto. Il menu File elenca anche gli ultimi file aperti.</translation>
    </message>
    <message>
        <source>Show deviation in the View menu colours the reduced model by each point&apos;s distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</source>
        <translation>Mostra la deviazione, nel menu Visualizza, colora il modello ridotto secondo la distanza di ogni punto dal modello caricato, dal blu (nessuna) al rosso scuro (la più grande); la legenda dà la scala, e il puntatore del mouse il valore sotto di esso.</translation>
    </message>
    <message>
        <source>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</source>
        <translation>Salva i livelli in un solo file scrive il modello e i suoi nove livelli in un solo file GLB come livelli di dettaglio, letto dai motori di giochi e web.</translation>
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
        <translation>Barra degli strumenti principale</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>Decimazione per percentuale</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>Decimazione per errore</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>Barra degli strumenti inferiore</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Istantanea</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>Crea un&apos;istantanea</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Trasforma</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Leviga</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Modalità di visualizzazione</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Front view</source>
        <translation>Vista frontale</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>Vista laterale</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>Vista dall&apos;alto</translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation>Vista prospettica</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>Esci da Lumeno3D</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>Il file </translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation> non esiste.</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>Errore durante l&apos;apertura di </translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Salva modello</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>File PNG (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>Salva istantanea</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>Impossibile codificare l&apos;immagine.</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>Impossibile salvare l&apos;istantanea in %1.
%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Salva come...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferenze</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Contenuti</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation>Percentuale personalizzata...</translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation>Conserva la percentuale di triangoli digitata</translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation>Limite di errore personalizzato...</translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation>Rimuove triangoli finché lo consente un limite di errore digitato, come frazione della diagonale del riquadro di delimitazione</translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation>Limite di errore del filtro, come frazione della diagonale del riquadro di delimitazione:</translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation>Percentuale dei triangoli da conservare, da %1 a %2:</translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation>Impossibile conservare il %1% dei triangoli: digitare una percentuale da %2 a %3. Il modello mostrato resta invariato.</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Levigatura</translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation>È stato rimosso dai file recenti.</translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation>Se è stato spostato o rinominato, aprirlo dalla nuova posizione.</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation>Nessun modello caricato in Lumeno3D.</translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation>Aprire prima un modello.</translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation>Scegliere un altro nome o un&apos;altra cartella e salvare di nuovo.</translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation>scostamento max. %1 %, medio %2 %</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation>La trasformazione o la levigatura del modello andrà persa se non viene salvata.</translation>
    </message>
    <message>
        <source>One model is open at a time: only %1 was opened.</source>
        <translation>Si apre un solo modello alla volta: è stato aperto solo %1.</translation>
    </message>
    <message>
        <source>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</source>
        <translation>Tutti i modelli (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;File STL (*.stl);; File PLY (*.ply);; File OBJ (*.obj);; File OFF (*.off);; File glTF (*.gltf *.glb);; File 3MF (*.3mf)</translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</source>
        <translation>Verificare che sia un file STL, OBJ, PLY, OFF, glTF, GLB o 3MF completo, oppure esportarlo di nuovo.</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</source>
        <translation>File STL (*.stl);; File PLY (*.ply);; File OBJ (*.obj);; File GLB (*.glb);; File glTF (*.gltf);; File 3MF (*.3mf);; File OFF (*.off)</translation>
    </message>
    <message>
        <source>Error bound %1</source>
        <translation>Limite di errore %1</translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, %1 of the bounding box diagonal, allows</source>
        <translation>Rimuove triangoli finché lo consente il limite di errore del filtro, %1 della diagonale del riquadro di delimitazione</translation>
    </message>
    <message>
        <source>%1 cannot hold all that this model carries. Not saved:</source>
        <translation>%1 non può contenere tutto ciò che questo modello porta. Non viene salvato:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Salva comunque</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Non chiedere più</translation>
    </message>
    <message>
        <source>The question can be turned on again in the Preferences.</source>
        <translation>La domanda si può riattivare nelle Preferenze.</translation>
    </message>
    <message>
        <source>The %1% level was not made: click to make the missing levels.</source>
        <translation>Il livello %1% non è stato creato: fare clic per creare i livelli mancanti.</translation>
    </message>
    <message>
        <source>Open a model with %1 &gt; %2 (%3)</source>
        <translation>Aprire un modello con %1 &gt; %2 (%3)</translation>
    </message>
    <message>
        <source>or drop a model file here</source>
        <translation>o trascinare qui un file di modello</translation>
    </message>
    <message>
        <source>(STL, OBJ, PLY, OFF, glTF or 3MF).</source>
        <translation>(STL, OBJ, PLY, OFF, glTF o 3MF).</translation>
    </message>
    <message>
        <source>The files opened last are at the end of the %1 menu.</source>
        <translation>Gli ultimi file aperti sono in fondo al menu %1.</translation>
    </message>
    <message>
        <source>The reduced model appears here.</source>
        <translation>Qui compare il modello ridotto.</translation>
    </message>
    <message>
        <source>Save parts as one &amp;model</source>
        <translation>Salva le parti come un solo &amp;modello</translation>
    </message>
    <message>
        <source>Saves the parts of a model of several parts as one part, as they are drawn</source>
        <translation>Salva le parti di un modello di più parti come una sola, come sono disegnate</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Save &amp;levels as one file...</source>
        <translation>Salva i &amp;livelli in un solo file...</translation>
    </message>
    <message>
        <source>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</source>
        <translation>Salva il modello e i suoi nove livelli come livelli di dettaglio in un solo file GLB, letto dai motori di giochi e web</translation>
    </message>
    <message>
        <source>Show &amp;deviation</source>
        <translation>Mostra la &amp;deviazione</translation>
    </message>
    <message>
        <source>Colour the reduced model by each point&apos;s distance to the loaded model</source>
        <translation>Colora il modello ridotto secondo la distanza di ogni punto dal modello caricato</translation>
    </message>
    <message>
        <source>Save levels as one file</source>
        <translation>Salva i livelli in un solo file</translation>
    </message>
    <message>
        <source>GLB file (*.glb)</source>
        <translation>File GLB (*.glb)</translation>
    </message>
</context>
<context>
    <name>ModelDocument</name>
    <message>
        <source>Opening file...</source>
        <translation>Apertura del file in corso...</translation>
    </message>
    <message>
        <source>%1 polygons without area could not be made into triangles and were left out.</source>
        <translation>Impossibile convertire in triangoli %1 poligoni senza area, che sono stati esclusi.</translation>
    </message>
    <message>
        <source>Opening cancelled. The right view still shows %1.</source>
        <translation>Apertura annullata. La vista a destra mostra ancora %1.</translation>
    </message>
    <message>
        <source>Opening cancelled.</source>
        <translation>Apertura annullata.</translation>
    </message>
    <message>
        <source>Cancelled. The right view now shows %1.</source>
        <translation>Annullato. La vista a destra ora mostra %1.</translation>
    </message>
    <message>
        <source>Cancelled. The right view still shows %1.</source>
        <translation>Annullato. La vista a destra mostra ancora %1.</translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation>Decimazione %1% in corso...</translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation>Decimazione fino al limite di errore %1 in corso...</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>Levigatura in corso...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</source>
        <translation>Completato, ma il modello non può essere ridotto fino a quel punto: viene conservato il %1% dei triangoli, non il %2% richiesto.</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</source>
        <translation>Completato, ma il modello non può essere ridotto fino a quel punto: il livello del %1% conserva il %2% dei triangoli.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Saved to %1; %2</source>
        <translation>Salvato in %1; %2</translation>
    </message>
    <message>
        <source>Done, but %1% of the triangles are kept, fewer than the %2% asked.</source>
        <translation>Completato, ma viene conservato il %1% dei triangoli, meno del %2% richiesto.</translation>
    </message>
    <message>
        <source>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</source>
        <translation>Completato, ma il livello del %1% conserva il %2% dei triangoli, meno di quanto richiesto.</translation>
    </message>
    <message>
        <source>Not enough memory for this operation: the right view still shows %1.</source>
        <translation>Memoria insufficiente per questa operazione: la vista a destra mostra ancora %1.</translation>
    </message>
    <message>
        <source>Not enough memory for the %1% level: the levels above it are kept.</source>
        <translation>Memoria insufficiente per il livello del %1%: i livelli superiori vengono mantenuti.</translation>
    </message>
    <message>
        <source>Making the levels again with the engine chosen: %1 of %2...</source>
        <translation>Nuova creazione dei livelli con il motore scelto: %1 di %2...</translation>
    </message>
    <message>
        <source>Making the levels: %1 of %2...</source>
        <translation>Creazione dei livelli: %1 di %2...</translation>
    </message>
    <message>
        <source>The button of a level not made makes the missing levels.</source>
        <translation>Il pulsante di un livello non creato crea i livelli mancanti.</translation>
    </message>
    <message>
        <source>Saving to %1...</source>
        <translation>Salvataggio in %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</source>
        <translation>
            <numerusform>%n texture non può essere letta come immagine: %1. Il suo materiale è disegnato nel suo colore semplice.</numerusform>
            <numerusform>%n texture non possono essere lette come immagini: %1. I loro materiali sono disegnati nel loro colore semplice.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>To reach the triangle count, borders and texture seams were allowed to move off their lines.</source>
        <translation>Per raggiungere il numero di triangoli, i bordi e le cuciture delle texture hanno potuto lasciare le loro linee.</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>This file doesn&apos;t exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>This is a folder, not a model file.</source>
        <translation>Questa è una cartella, non un file di modello.</translation>
    </message>
    <message>
        <source>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</source>
        <translation>Questo non è un file su disco, ma una pipe, un dispositivo o un socket: Lumeno3D apre solo file di modello.</translation>
    </message>
    <message>
        <source>This file is empty: it holds no model.</source>
        <translation>Il file è vuoto: non contiene alcun modello.</translation>
    </message>
    <message>
        <source>This file cannot be read: %1.</source>
        <translation>Impossibile leggere il file: %1.</translation>
    </message>
    <message>
        <source>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</source>
        <translation>Il file è stato modificato durante la lettura; forse un altro programma lo sta ancora scrivendo. Riaprirlo quando sarà completo.</translation>
    </message>
    <message>
        <source>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</source>
        <translation>Lumeno3D non è riuscito a salvare la propria copia di lavoro del file nella cartella temporanea %1; potrebbe essere piena.</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>Il file sembra danneggiato e non può essere caricato.</translation>
    </message>
    <message>
        <source>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</source>
        <translation>Il file non contiene triangoli con un&apos;area, solo punti o linee (ad esempio una nuvola di punti): Lumeno3D riduce mesh di triangoli.</translation>
    </message>
    <message>
        <source>All points of this model lie at one place: it has no surface to show or reduce.</source>
        <translation>Tutti i punti di questo modello si trovano nella stessa posizione: non ha alcuna superficie da mostrare o ridurre.</translation>
    </message>
    <message>
        <source>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</source>
        <translation>Lumeno3D legge file STL, OBJ, PLY, OFF, glTF, GLB e 3MF: scegliere un file il cui nome termina con .stl, .obj, .ply, .off, .gltf, .glb o .3mf.</translation>
    </message>
    <message>
        <source>The file %1, which holds this model&apos;s data, is missing beside it or cannot be read: copy it into the same folder.</source>
        <translation>Il file %1, che contiene i dati di questo modello, non si trova accanto al modello o non può essere letto: copiarlo nella stessa cartella.</translation>
    </message>
    <message>
        <source>This file needs %1, which Lumeno3D cannot read: export it again without it.</source>
        <translation>Questo file richiede %1, che Lumeno3D non è in grado di leggere: esportarlo di nuovo senza questo requisito.</translation>
    </message>
    <message numerus="yes">
        <source>%n parts were merged into one model.</source>
        <translation>
            <numerusform>%n parte è stata unita in un unico modello.</numerusform>
            <numerusform>%n parti sono state unite in un unico modello.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s materials and textures are not kept: they are not saved with the model.</source>
        <translation>I materiali e le texture di questo file non vengono mantenuti: non vengono salvati con il modello.</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of points or lines were left out: they have no triangles.</source>
        <translation>
            <numerusform>%n gruppo di punti o linee è stato escluso: non ha triangoli.</numerusform>
            <numerusform>%n gruppi di punti o linee sono stati esclusi: non hanno triangoli.</numerusform>
        </translation>
    </message>
    <message>
        <source>The colours of this file&apos;s faces are left out: Lumeno3D keeps vertex colours only.</source>
        <translation>I colori delle facce di questo file vengono omessi: Lumeno3D mantiene solo i colori dei vertici.</translation>
    </message>
    <message>
        <source>JSON nested %1 levels deep</source>
        <translation>JSON annidato su %1 livelli</translation>
    </message>
    <message>
        <source>nodes nested %1 levels deep</source>
        <translation>nodi annidati su %1 livelli</translation>
    </message>
    <message>
        <source>%1 placed nodes</source>
        <translation>%1 nodi posizionati</translation>
    </message>
    <message>
        <source>%1 placed parts</source>
        <translation>%1 parti posizionate</translation>
    </message>
    <message>
        <source>%1 points or triangles in all its parts</source>
        <translation>%1 punti o triangoli in tutte le sue parti</translation>
    </message>
    <message>
        <source>This file is larger than the %1 Lumeno3D reads.</source>
        <translation>Il file supera i %1 che Lumeno3D è in grado di leggere.</translation>
    </message>
    <message>
        <source>There is not enough memory for reading this file: close other programs and open it again.</source>
        <translation>Memoria insufficiente per leggere il file: chiudere altri programmi e riaprirlo.</translation>
    </message>
    <message>
        <source>This file holds more than Lumeno3D reads: %1.</source>
        <translation>Il file contiene più di quanto Lumeno3D sia in grado di leggere: %1.</translation>
    </message>
    <message>
        <source>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</source>
        <translation>glTF 1.0 non è supportato; Lumeno3D legge glTF 2.0.</translation>
    </message>
    <message>
        <source>This glTF file holds no meshes: there is no surface to show or reduce.</source>
        <translation>Questo file glTF non contiene mesh: non c&apos;è alcuna superficie da mostrare o ridurre.</translation>
    </message>
    <message>
        <source>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</source>
        <translation>Il file contiene solo punti, nessun triangolo: Lumeno3D riduce mesh di triangoli.</translation>
    </message>
    <message>
        <source>This 3MF file places no object on its build plate: it has no build items.</source>
        <translation>Questo file 3MF non posiziona alcun oggetto sul piano di stampa: non contiene elementi di costruzione.</translation>
    </message>
    <message>
        <source>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</source>
        <translation>Il file fa riferimento a %1, che non è un file nella sua stessa cartella: Lumeno3D legge solo i file che si trovano accanto al modello.</translation>
    </message>
    <message>
        <source>This file&apos;s %1 are left out: only some of its parts or faces carry them.</source>
        <translation>Questo file ha %1 solo in alcune delle sue parti o facce: questi dati vengono omessi.</translation>
    </message>
    <message>
        <source>This file gives its sizes in the unit &quot;%1&quot;; they were converted to millimetres.</source>
        <translation>Il file indica le dimensioni nell&apos;unità «%1»; sono state convertite in millimetri.</translation>
    </message>
    <message>
        <source>%1 vertices or face corners</source>
        <translation>%1 vertici o angoli di facce</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot;</source>
        <translation>l&apos;unità «%1»</translation>
    </message>
    <message>
        <source>components nested more than %1 deep</source>
        <translation>componenti annidati su più di %1 livelli</translation>
    </message>
    <message>
        <source>more than %1 placed objects</source>
        <translation>più di %1 oggetti posizionati</translation>
    </message>
    <message>
        <source>more than %1 MiB of text without a tag</source>
        <translation>più di %1 MiB di testo senza tag</translation>
    </message>
    <message>
        <source>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</source>
        <translation>Librerie di materiali mancanti accanto a questo modello o fuori dalla sua cartella: %1. I loro materiali sono mostrati in un colore semplice.</translation>
    </message>
    <message>
        <source>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</source>
        <translation>Texture mancanti accanto a questo modello, fuori dalla sua cartella o illeggibili: %1. I loro materiali sono mostrati nei loro colori semplici.</translation>
    </message>
    <message>
        <source>%1 materials or %2 groups</source>
        <translation>%1 materiali o %2 gruppi</translation>
    </message>
    <message>
        <source>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</source>
        <translation>Questo modello di circa %1 triangoli richiede circa %2 di memoria per essere aperto e crearne i livelli, ma ne sono disponibili solo %3: chiudi altri programmi o aprilo su un computer con più memoria.</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>Impossibile salvare il modello in %1.
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>Impossibile creare un file temporaneo nella stessa cartella.</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>Scrittura del file non riuscita.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>Non c&apos;è alcun modello da salvare.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Il file è protetto da scrittura.</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>Il modello non ha triangoli.</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>Il modello ha coordinate che non sono numeri finiti.</translation>
    </message>
    <message>
        <source>%1 are not saved: STL files hold the triangles only.</source>
        <translation>%1 non vengono salvati: i file STL contengono solo i triangoli.</translation>
    </message>
    <message>
        <source>%1 are not saved: OBJ files hold normals and texture coordinates only.</source>
        <translation>%1 non vengono salvati: i file OBJ contengono solo normali e coordinate di texture.</translation>
    </message>
    <message>
        <source>%1 are not saved: OFF files hold vertex colours only.</source>
        <translation>%1 non vengono salvate: i file OFF contengono solo i colori dei vertici.</translation>
    </message>
    <message>
        <source>%1 are not saved: 3MF files hold vertex colours only.</source>
        <translation>%1 non vengono salvate: i file 3MF contengono solo i colori dei vertici.</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</source>
        <translation>%1 non è stato salvato: un modello può essere salvato solo come file STL, PLY, OBJ, GLB, glTF, 3MF o OFF.</translation>
    </message>
    <message>
        <source>There is not enough memory for writing it: close other programs and save again.</source>
        <translation>Memoria insufficiente per scriverlo: chiudere altri programmi e salvare di nuovo.</translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n materiale</numerusform>
            <numerusform>%n materiali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n textures</source>
        <translation>
            <numerusform>%n texture</numerusform>
            <numerusform>%n texture</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n parte, salvata come un solo modello</numerusform>
            <numerusform>%n parti, salvate come un solo modello</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</source>
        <translation>non salvato: %1. I file 3MF contengono le texture del colore di base solo dei modelli con coordinate di texture.</translation>
    </message>
    <message>
        <source>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</source>
        <translation>non salvato: %1. I file glTF contengono solo immagini PNG e JPEG, e un’immagine mancante non può essere salvata.</translation>
    </message>
    <message>
        <source>not saved: %1. %2 files hold no materials, textures or parts.</source>
        <translation>non salvato: %1. I file %2 non contengono materiali, texture o parti.</translation>
    </message>
    <message>
        <source>%1 was not saved: the levels are saved in one file as GLB only.</source>
        <translation>%1 non è stato salvato: i livelli in un solo file si salvano solo come GLB.</translation>
    </message>
</context>
<context>
    <name>PointAttributes</name>
    <message>
        <source>vertex colours</source>
        <translation>colori dei vertici</translation>
    </message>
    <message>
        <source>normals</source>
        <translation>normali</translation>
    </message>
    <message>
        <source>texture coordinates</source>
        <translation>coordinate di texture</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
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
        <translation>materiali e texture</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n parte, salvata come un solo modello</numerusform>
            <numerusform>%n parti, salvate come un solo modello</numerusform>
        </translation>
    </message>
    <message>
        <source>The materials and parts that reading the file could not keep are not in the model.</source>
        <translation>I materiali e le parti che la lettura del file non ha potuto conservare non sono nel modello.</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Trasformazione</translation>
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
        <translation>Rotazione</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensioni</translation>
    </message>
</context>
</TS>
