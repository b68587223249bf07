<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?
(Changes will be lost if you didn&apos;t save them).</source>
        <translation>Lumeno3D verrà chiuso per installare una nuova versione.
Chiudere Lumeno3D e aggiornarlo?
(Le modifiche non salvate andranno perse).</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
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
        <source>You have changed the language used to display Lumeno3D user interface 

This change will not take effect until you restart Lumeno3D</source>
        <translation>È stata cambiata la lingua dell&apos;interfaccia utente di Lumeno3D

La modifica avrà effetto solo dopo il riavvio di Lumeno3D</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>Queste dimensioni non possono essere applicate: ogni dimensione deve essere maggiore di 0 e il modello scalato deve restare entro le coordinate che un file di modello può contenere.</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Lumeno3D</source>
        <translation>Lumeno3D</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
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
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
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
        <source>Done</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Type the maximum error:</source>
        <translation>Inserire l&apos;errore massimo:</translation>
    </message>
    <message>
        <source>Type the percentage:</source>
        <translation>Inserire la percentuale:</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>Levigatura in corso...</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>All files (*.stl *.obj *.ply);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>Tutti i file (*.stl *.obj *.ply);;File STL (*.stl);; File PLY (*.ply);; File OBJ (*.obj)</translation>
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
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>Il file sembra danneggiato e non può essere caricato.</translation>
    </message>
    <message>
        <source>Opening file...</source>
        <translation>Apertura del file in corso...</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno</source>
        <translation>Nessun modello caricato in Lumeno</translation>
    </message>
    <message>
        <source>STL file (*.stl)</source>
        <translation>File STL (*.stl)</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Salva modello</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>File STL (*.stl);; File PLY (*.ply);; File OBJ (*.obj)</translation>
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
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <source>%1 was not saved: a model can be saved as an STL, PLY or OBJ file only.</source>
        <translation>%1 non è stato salvato: un modello può essere salvato solo come file STL, PLY o OBJ.</translation>
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
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Trasformazione</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scala</translation>
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
</context>
</TS>
