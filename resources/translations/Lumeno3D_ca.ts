<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>Més detalls</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>Quant a Qt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>Formulari</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>S&apos;ha baixat una versió nova!</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>&amp;Instal·la la versió nova!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualització</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?
(Changes will be lost if you didn&apos;t save them).</source>
        <translation>El Lumeno3D es tancarà per instal·lar una versió nova.
Voleu tancar el Lumeno3D i actualitzar-lo?
(Es perdran els canvis que no hàgiu desat.)</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Settings</source>
        <translation>Configuració</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Llengua</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>Opcions gràfiques</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>Color del model</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color del fons</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Restaura els valors per defecte</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informació</translation>
    </message>
    <message>
        <source>You have changed the language used to display Lumeno3D user interface 

This change will not take effect until you restart Lumeno3D</source>
        <translation>Heu canviat la llengua de la interfície del Lumeno3D.

El canvi no tindrà efecte fins que reinicieu el Lumeno3D.</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>Aquestes mides no es poden aplicar: cada mida ha de ser més gran que 0, i el model escalat ha de quedar dins de les coordenades que pot contenir un fitxer de model.</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>S&apos;està baixant la versió nova!</translation>
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
        <translation>Fitxer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barra d&apos;eines principal</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>Delmat per percentatge</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>Delmat per error</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>Barra d&apos;eines inferior</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nou</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Obre</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Desa com a...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferències</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contingut</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>Crea una captura</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transforma</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suavitza</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Mode de visualització</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Front view</source>
        <translation>Vista frontal</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>Vista lateral</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>Vista superior</translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation>Vista en perspectiva</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>Surt del Lumeno3D</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>Type the maximum error:</source>
        <translation>Escriviu l&apos;error màxim:</translation>
    </message>
    <message>
        <source>Type the percentage:</source>
        <translation>Escriviu el percentatge:</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>S&apos;està suavitzant...</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Obre un fitxer</translation>
    </message>
    <message>
        <source>All files (*.stl *.obj *.ply);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>Tots els fitxers (*.stl *.obj *.ply);;Fitxer STL (*.stl);; Fitxer PLY (*.ply);; Fitxer OBJ (*.obj)</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>El fitxer </translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation> no existeix.</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>Error en obrir </translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>Sembla que aquest fitxer està malmès i no es pot carregar.</translation>
    </message>
    <message>
        <source>Opening file...</source>
        <translation>S&apos;està obrint el fitxer...</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno</source>
        <translation>No hi ha cap model carregat al Lumeno</translation>
    </message>
    <message>
        <source>STL file (*.stl)</source>
        <translation>Fitxer STL (*.stl)</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Desa el model</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>Fitxer STL (*.stl);; Fitxer PLY (*.ply);; Fitxer OBJ (*.obj)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ja existeix.
Voleu reemplaçar-lo?</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>Fitxer PNG (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>Desa la captura</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>No s&apos;ha pogut codificar la imatge.</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>No s&apos;ha pogut desar la captura a %1.
%2</translation>
    </message>
    <message>
        <source>Decimating 90%...</source>
        <translation>S&apos;està delmant al 90%...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>S&apos;està delmant al 80%...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>S&apos;està delmant al 70%...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>S&apos;està delmant al 60%...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>S&apos;està delmant al 50%...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>S&apos;està delmant al 40%...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>S&apos;està delmant al 30%...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>S&apos;està delmant al 20%...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>S&apos;està delmant al 10%...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>No s&apos;ha pogut desar el model a %1.
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>No s&apos;ha pogut crear cap fitxer temporal a la mateixa carpeta.</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>No s&apos;ha pogut escriure el fitxer.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No és un fitxer normal.</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY or OBJ file only.</source>
        <translation>No s&apos;ha desat %1: un model només es pot desar com a fitxer STL, PLY o OBJ.</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>No hi ha cap model per desar.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>El fitxer està protegit contra escriptura.</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>El model no té cap triangle.</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>El model té coordenades que no són nombres finits.</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Transformació</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
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
        <translation>Rotació</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restableix</translation>
    </message>
</context>
</TS>
