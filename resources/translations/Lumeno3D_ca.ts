<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>DecimationLevels</name>
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
</context>
<context>
    <name>DeviationPicture</name>
    <message>
        <source>Deviation, % of the diagonal</source>
        <translation>Desviació, % de la diagonal</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Deviation here: %1 % of the diagonal</source>
        <translation>Desviació aquí: %1 % de la diagonal</translation>
    </message>
</context>
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
        <source>Lumeno3D %1 is available.</source>
        <translation>El Lumeno3D %1 està disponible.</translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation>&amp;Obre la pàgina de baixada</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</source>
        <translation>El Lumeno3D es tancarà per instal·lar una versió nova.
Voleu tancar el Lumeno3D i actualitzar-lo?</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
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
        <source>Preferences</source>
        <translation>Preferències</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Comprova si hi ha actualitzacions en iniciar</translation>
    </message>
    <message>
        <source>Reduction method</source>
        <translation>Mètode de reducció</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualitat</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clàssic</translation>
    </message>
    <message>
        <source>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</source>
        <translation>Heu canviat la llengua de la interfície del Lumeno3D.

El canvi no tindrà efecte fins que reinicieu el Lumeno3D.</translation>
    </message>
    <message>
        <source>Ask before saving a file that cannot hold all the model carries</source>
        <translation>Preguntar abans de desar un fitxer que no pot contenir tot el que porta el model</translation>
    </message>
    <message>
        <source>Up axis in the first view of a model</source>
        <translation>Eix amunt en la primera vista d&apos;un model</translation>
    </message>
    <message>
        <source>Automatic: Z for 3MF and printer parts, else Y</source>
        <translation>Automàtic: Z per a 3MF i peces d&apos;impressora, si no Y</translation>
    </message>
    <message>
        <source>Y up</source>
        <translation>Y amunt</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z amunt</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>Aquestes mides no es poden aplicar: cada mida ha de ser més gran que 0, i el model escalat ha de quedar dins de les coordenades que pot contenir un fitxer de model.</translation>
    </message>
    <message>
        <source>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</source>
        <translation>Proporcions conservades: una mida nova en un eix escala els tres eixos per igual. Feu clic per definir la mida de cada eix per separat.</translation>
    </message>
    <message>
        <source>Each axis is sized on its own. Click to keep the proportions.</source>
        <translation>La mida de cada eix es defineix per separat. Feu clic per conservar les proporcions.</translation>
    </message>
    <message>
        <source>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</source>
        <translation>Aquesta rotació no es pot aplicar: el model girat no quedaria dins de les coordenades que pot contenir un fitxer de model. Trieu altres angles o mides més petites.</translation>
    </message>
    <message>
        <source>Size (%1)</source>
        <translation>Mida (%1)</translation>
    </message>
    <message>
        <source>The scale factor along %1: the size set divided by the model&apos;s own size</source>
        <translation>El factor d&apos;escala al llarg de %1: la mida fixada dividida per la mida pròpia del model</translation>
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
    <name>DualView</name>
    <message>
        <source>With %1</source>
        <translation>Amb %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parts</source>
        <translation>
            <numerusform>%n part</numerusform>
            <numerusform>%n parts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts: %1</source>
        <translation>
            <numerusform>%n part: %1</numerusform>
            <numerusform>%n parts: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n material</numerusform>
            <numerusform>%n materials</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials: %1</source>
        <translation>
            <numerusform>%n material: %1</numerusform>
            <numerusform>%n materials: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn simplified to %1 triangles to fit into memory</source>
        <translation>Dibuixat simplificat a %1 triangles perquè càpiga a la memòria</translation>
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
        <translation>Ajuda del Lumeno3D</translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation>El Lumeno3D fa més lleugeres les malles de triangles: redueix el nombre de triangles d&apos;un model tot conservant-ne la forma, i en desa el resultat.</translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation>Obrir un model</translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation>Reduir</translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level&apos;s button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation>Tan bon punt es carrega un model, el Lumeno3D calcula nou nivells que en conserven del 90 al 10 per cent dels triangles; el botó de cada nivell mostra la mida del seu fitxer. També podeu reduir el model al percentatge que vulgueu, o tant com ho permeti una desviació màxima respecte a la seva forma.</translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation>Suavitzar i transformar</translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation>Suavitza iguala la superfície del model de la dreta. Transforma escala i gira el model; totes dues vistes mostren el canvi abans que l&apos;accepteu.</translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation>Visualitzar</translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation>Gireu el model amb el botó esquerre del ratolí, moveu-lo amb el botó del mig i feu zoom amb la roda; la vista de la dreta segueix la de l&apos;esquerra. Els botons de la part inferior canvien entre superfície, punts i filferro, ajusten el model a les vistes i el mostren de front, de costat, des de dalt o en perspectiva.</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Desar</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferències</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation>Trieu la llengua de la interfície, el color del model i els colors del fons. Una llengua nova té efecte en el proper inici.</translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation>La darrera versió d&apos;aquesta pàgina és al web:</translation>
    </message>
    <message>
        <source>You can also drop a model file on the window.</source>
        <translation>També podeu deixar anar un fitxer de model a la finestra.</translation>
    </message>
    <message>
        <source>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</source>
        <translation>Desfés i Refés, al menú Edita, anul·len i repeteixen les transformacions i els suavitzats. Quan Nou, Obre o tancar descartaria canvis que no heu desat, Lumeno3D us ho pregunta abans.</translation>
    </message>
    <message>
        <source>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</source>
        <translation>Comprova si hi ha actualitzacions en iniciar: cada vegada que s&apos;inicia, Lumeno3D pregunta al seu lloc web si hi ha una versió més nova i us avisa quan n&apos;hi ha una.</translation>
    </message>
    <message>
        <source>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</source>
        <translation>Mètode de reducció: Qualitat fa tots els nivells d&apos;una sola passada i queda diverses vegades més a prop de la forma; Clàssic és el mètode de les versions anteriors.</translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</source>
        <translation>Anomena i desa, al menú Fitxer, escriu el model que es mostra a la dreta com a STL, PLY, OBJ, GLB, glTF, 3MF o OFF. PLY, GLB i glTF conserven els colors de vèrtex, les normals i les coordenades de textura; un fitxer glTF conté ell mateix les seves dades, sense cap fitxer .bin al costat. Captura desa totes dues vistes com a imatges PNG.</translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation>Trieu Obre al menú Fitxer i seleccioneu un fitxer STL, OBJ, PLY, OFF, glTF (.gltf o .glb) o 3MF. Les parts d&apos;un fitxer glTF, 3MF o OBJ continuen sent parts, cadascuna allà on la situa el fitxer, amb els seus materials i textures. La vista de l&apos;esquerra mostra el model tal com s&apos;ha carregat, i la de la dreta, el model reduït. El menú Fitxer també mostra els darrers fitxers que heu obert.</translation>
    </message>
    <message>
        <source>Show deviation in the View menu colours the reduced model by each point&apos;s distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</source>
        <translation>Mostra la desviació, al menú Visualitza, acoloreix el model reduït segons la distància de cada punt al model carregat, del blau (cap) al vermell fosc (la més gran); la llegenda en dona l&apos;escala, i el punter del ratolí el valor que té a sota.</translation>
    </message>
    <message>
        <source>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</source>
        <translation>Desa els nivells en un sol fitxer escriu el model i els seus nou nivells en un sol fitxer GLB com a nivells de detall, que llegeixen els motors de jocs i web.</translation>
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
        <source>Open File</source>
        <translation>Obre un fitxer</translation>
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
        <source>Save model</source>
        <translation>Desa el model</translation>
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
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fitxer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edita</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nou</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Obre</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Anomena i desa...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferències</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfés</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refés</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Contingut</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Quant a</translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation>Percentatge personalitzat...</translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation>Conserva el percentatge de triangles que escriviu</translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation>Límit d&apos;error personalitzat...</translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation>Elimina triangles mentre ho permeti un límit d&apos;error que escriviu, com a fracció de la diagonal de la capsa contenidora</translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation>Límit d&apos;error del filtre, com a fracció de la diagonal de la capsa contenidora:</translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation>Percentatge de triangles que es conserven, de %1 a %2:</translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation>No es pot conservar el %1% dels triangles: escriviu un percentatge de %2 a %3. El model que es mostra es queda com està.</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Suavitzat</translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation>S&apos;ha suprimit dels fitxers recents.</translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation>Si s&apos;ha mogut o se n&apos;ha canviat el nom, obriu-lo des de la seva ubicació nova.</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation>No hi ha cap model carregat al Lumeno3D.</translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation>Primer obriu un model.</translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation>Trieu un altre nom o una altra carpeta i torneu a desar.</translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation>desviació màx. %1 %, mitjana %2 %</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Voleu desar els canvis a %1?</translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation>La transformació o el suavitzat del model es perdrà si no el deseu.</translation>
    </message>
    <message>
        <source>One model is open at a time: only %1 was opened.</source>
        <translation>Només es pot obrir un model alhora: només s&apos;ha obert %1.</translation>
    </message>
    <message>
        <source>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</source>
        <translation>Tots els models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;Fitxer STL (*.stl);; Fitxer PLY (*.ply);; Fitxer OBJ (*.obj);; Fitxer OFF (*.off);; Fitxer glTF (*.gltf *.glb);; Fitxer 3MF (*.3mf)</translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</source>
        <translation>Comproveu que sigui un fitxer STL, OBJ, PLY, OFF, glTF, GLB o 3MF complet, o torneu-lo a exportar.</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</source>
        <translation>Fitxer STL (*.stl);; Fitxer PLY (*.ply);; Fitxer OBJ (*.obj);; Fitxer GLB (*.glb);; Fitxer glTF (*.gltf);; Fitxer 3MF (*.3mf);; Fitxer OFF (*.off)</translation>
    </message>
    <message>
        <source>Error bound %1</source>
        <translation>Límit d&apos;error %1</translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, %1 of the bounding box diagonal, allows</source>
        <translation>Elimina triangles mentre ho permeti el límit d&apos;error del filtre, %1 de la diagonal de la capsa contenidora</translation>
    </message>
    <message>
        <source>%1 cannot hold all that this model carries. Not saved:</source>
        <translation>%1 no pot contenir tot el que porta aquest model. No es desa:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Desa igualment</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>No ho tornis a preguntar</translation>
    </message>
    <message>
        <source>The question can be turned on again in the Preferences.</source>
        <translation>La pregunta es pot tornar a activar a les Preferències.</translation>
    </message>
    <message>
        <source>The %1% level was not made: click to make the missing levels.</source>
        <translation>El nivell del %1% no s&apos;ha fet: feu clic per fer els nivells que falten.</translation>
    </message>
    <message>
        <source>Open a model with %1 &gt; %2 (%3)</source>
        <translation>Obriu un model amb %1 &gt; %2 (%3)</translation>
    </message>
    <message>
        <source>or drop a model file here</source>
        <translation>o deixeu anar aquí un fitxer de model</translation>
    </message>
    <message>
        <source>(STL, OBJ, PLY, OFF, glTF or 3MF).</source>
        <translation>(STL, OBJ, PLY, OFF, glTF o 3MF).</translation>
    </message>
    <message>
        <source>The files opened last are at the end of the %1 menu.</source>
        <translation>Els fitxers oberts darrerament són al final del menú %1.</translation>
    </message>
    <message>
        <source>The reduced model appears here.</source>
        <translation>El model reduït apareix aquí.</translation>
    </message>
    <message>
        <source>Save parts as one &amp;model</source>
        <translation>Desa les parts com a un sol &amp;model</translation>
    </message>
    <message>
        <source>Saves the parts of a model of several parts as one part, as they are drawn</source>
        <translation>Desa les parts d’un model de diverses parts com una sola, tal com es dibuixen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualitza</translation>
    </message>
    <message>
        <source>Save &amp;levels as one file...</source>
        <translation>Desa els n&amp;ivells en un sol fitxer...</translation>
    </message>
    <message>
        <source>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</source>
        <translation>Desa el model i els seus nou nivells com a nivells de detall en un sol fitxer GLB, que llegeixen els motors de jocs i web</translation>
    </message>
    <message>
        <source>Show &amp;deviation</source>
        <translation>Mostra la &amp;desviació</translation>
    </message>
    <message>
        <source>Colour the reduced model by each point&apos;s distance to the loaded model</source>
        <translation>Acoloreix el model reduït segons la distància de cada punt al model carregat</translation>
    </message>
    <message>
        <source>Save levels as one file</source>
        <translation>Desa els nivells en un sol fitxer</translation>
    </message>
    <message>
        <source>GLB file (*.glb)</source>
        <translation>Fitxer GLB (*.glb)</translation>
    </message>
</context>
<context>
    <name>ModelDocument</name>
    <message>
        <source>Opening file...</source>
        <translation>S&apos;està obrint el fitxer...</translation>
    </message>
    <message>
        <source>%1 polygons without area could not be made into triangles and were left out.</source>
        <translation>%1 polígons sense àrea no s&apos;han pogut convertir en triangles i s&apos;han omès.</translation>
    </message>
    <message>
        <source>Opening cancelled. The right view still shows %1.</source>
        <translation>Obertura cancel·lada. La vista de la dreta encara mostra %1.</translation>
    </message>
    <message>
        <source>Opening cancelled.</source>
        <translation>Obertura cancel·lada.</translation>
    </message>
    <message>
        <source>Cancelled. The right view now shows %1.</source>
        <translation>Cancel·lat. La vista de la dreta ara mostra %1.</translation>
    </message>
    <message>
        <source>Cancelled. The right view still shows %1.</source>
        <translation>Cancel·lat. La vista de la dreta encara mostra %1.</translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation>S&apos;està delmant al %1%...</translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation>S&apos;està delmant fins al límit d&apos;error %1...</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>S&apos;està suavitzant...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>S&apos;ha desat a %1</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</source>
        <translation>Fet, però el model no es pot reduir tant: es conserva el %1% dels triangles, no el %2% demanat.</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</source>
        <translation>Fet, però el model no es pot reduir tant: el nivell del %1% conserva el %2% dels triangles.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>Saved to %1; %2</source>
        <translation>Desat a %1; %2</translation>
    </message>
    <message>
        <source>Done, but %1% of the triangles are kept, fewer than the %2% asked.</source>
        <translation>Fet, però es conserva el %1% dels triangles, menys que el %2% demanat.</translation>
    </message>
    <message>
        <source>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</source>
        <translation>Fet, però el nivell del %1% conserva el %2% dels triangles, menys del que s&apos;ha demanat.</translation>
    </message>
    <message>
        <source>Not enough memory for this operation: the right view still shows %1.</source>
        <translation>No hi ha prou memòria per a aquesta operació: la vista de la dreta encara mostra %1.</translation>
    </message>
    <message>
        <source>Not enough memory for the %1% level: the levels above it are kept.</source>
        <translation>No hi ha prou memòria per al nivell del %1%: es conserven els nivells superiors.</translation>
    </message>
    <message>
        <source>Making the levels again with the engine chosen: %1 of %2...</source>
        <translation>Es tornen a fer els nivells amb el motor triat: %1 de %2...</translation>
    </message>
    <message>
        <source>Making the levels: %1 of %2...</source>
        <translation>Es fan els nivells: %1 de %2...</translation>
    </message>
    <message>
        <source>The button of a level not made makes the missing levels.</source>
        <translation>El botó d&apos;un nivell no fet fa els nivells que falten.</translation>
    </message>
    <message>
        <source>Saving to %1...</source>
        <translation>Es desa a %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</source>
        <translation>
            <numerusform>%n textura no s’ha pogut llegir com a imatge: %1. El seu material es dibuixa en el seu color simple.</numerusform>
            <numerusform>%n textures no s’han pogut llegir com a imatges: %1. Els seus materials es dibuixen en el seu color simple.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fet.</translation>
    </message>
    <message>
        <source>To reach the triangle count, borders and texture seams were allowed to move off their lines.</source>
        <translation>Per arribar al nombre de triangles, s&apos;ha permès que les vores i les costures de textura surtin de les seves línies.</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>This file doesn&apos;t exist.</source>
        <translation>Aquest fitxer no existeix.</translation>
    </message>
    <message>
        <source>This is a folder, not a model file.</source>
        <translation>Això és una carpeta, no un fitxer de model.</translation>
    </message>
    <message>
        <source>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</source>
        <translation>Això no és un fitxer d&apos;un disc, sinó un conducte, un dispositiu o un sòcol: el Lumeno3D només obre fitxers de model.</translation>
    </message>
    <message>
        <source>This file is empty: it holds no model.</source>
        <translation>Aquest fitxer és buit: no conté cap model.</translation>
    </message>
    <message>
        <source>This file cannot be read: %1.</source>
        <translation>No es pot llegir aquest fitxer: %1.</translation>
    </message>
    <message>
        <source>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</source>
        <translation>Aquest fitxer ha canviat mentre es llegia; potser un altre programa encara l&apos;està escrivint. Torneu-lo a obrir quan sigui complet.</translation>
    </message>
    <message>
        <source>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</source>
        <translation>El Lumeno3D no ha pogut desar la seva còpia de treball d&apos;aquest fitxer a la carpeta temporal %1; potser és plena.</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>Sembla que aquest fitxer està malmès i no es pot carregar.</translation>
    </message>
    <message>
        <source>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</source>
        <translation>Aquest fitxer no conté cap triangle amb àrea, només punts o línies (per exemple, un núvol de punts): el Lumeno3D redueix malles de triangles.</translation>
    </message>
    <message>
        <source>All points of this model lie at one place: it has no surface to show or reduce.</source>
        <translation>Tots els punts d&apos;aquest model són al mateix lloc: no té cap superfície per mostrar ni per reduir.</translation>
    </message>
    <message>
        <source>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</source>
        <translation>El Lumeno3D llegeix fitxers STL, OBJ, PLY, OFF, glTF, GLB i 3MF: trieu un fitxer el nom del qual acabi en .stl, .obj, .ply, .off, .gltf, .glb o .3mf.</translation>
    </message>
    <message>
        <source>The file %1, which holds this model&apos;s data, is missing beside it or cannot be read: copy it into the same folder.</source>
        <translation>El fitxer %1, que conté les dades d&apos;aquest model, no és al seu costat o no es pot llegir: copieu-lo a la mateixa carpeta.</translation>
    </message>
    <message>
        <source>This file needs %1, which Lumeno3D cannot read: export it again without it.</source>
        <translation>Aquest fitxer necessita %1, que el Lumeno3D no pot llegir: torneu-lo a exportar sense això.</translation>
    </message>
    <message numerus="yes">
        <source>%n parts were merged into one model.</source>
        <translation>
            <numerusform>%n part s&apos;ha fusionat en un sol model.</numerusform>
            <numerusform>%n parts s&apos;han fusionat en un sol model.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s materials and textures are not kept: they are not saved with the model.</source>
        <translation>Els materials i les textures d&apos;aquest fitxer no es conserven: no es desen amb el model.</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of points or lines were left out: they have no triangles.</source>
        <translation>
            <numerusform>S&apos;ha omès %n grup de punts o línies: no té triangles.</numerusform>
            <numerusform>S&apos;han omès %n grups de punts o línies: no tenen triangles.</numerusform>
        </translation>
    </message>
    <message>
        <source>The colours of this file&apos;s faces are left out: Lumeno3D keeps vertex colours only.</source>
        <translation>Els colors de les cares d&apos;aquest fitxer s&apos;ometen: el Lumeno3D només conserva els colors de vèrtex.</translation>
    </message>
    <message>
        <source>JSON nested %1 levels deep</source>
        <translation>JSON imbricat a %1 nivells de profunditat</translation>
    </message>
    <message>
        <source>nodes nested %1 levels deep</source>
        <translation>nodes imbricats a %1 nivells de profunditat</translation>
    </message>
    <message>
        <source>%1 placed nodes</source>
        <translation>%1 nodes col·locats</translation>
    </message>
    <message>
        <source>%1 placed parts</source>
        <translation>%1 parts col·locades</translation>
    </message>
    <message>
        <source>%1 points or triangles in all its parts</source>
        <translation>%1 punts o triangles en totes les seves parts</translation>
    </message>
    <message>
        <source>This file is larger than the %1 Lumeno3D reads.</source>
        <translation>Aquest fitxer és més gran que els %1 que llegeix el Lumeno3D.</translation>
    </message>
    <message>
        <source>There is not enough memory for reading this file: close other programs and open it again.</source>
        <translation>No hi ha prou memòria per llegir aquest fitxer: tanqueu altres programes i torneu-lo a obrir.</translation>
    </message>
    <message>
        <source>This file holds more than Lumeno3D reads: %1.</source>
        <translation>Aquest fitxer conté més del que llegeix el Lumeno3D: %1.</translation>
    </message>
    <message>
        <source>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</source>
        <translation>glTF 1.0 no és compatible; el Lumeno3D llegeix glTF 2.0.</translation>
    </message>
    <message>
        <source>This glTF file holds no meshes: there is no surface to show or reduce.</source>
        <translation>Aquest fitxer glTF no conté cap malla: no hi ha cap superfície per mostrar ni per reduir.</translation>
    </message>
    <message>
        <source>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</source>
        <translation>Aquest fitxer només conté punts, cap triangle: el Lumeno3D redueix malles de triangles.</translation>
    </message>
    <message>
        <source>This 3MF file places no object on its build plate: it has no build items.</source>
        <translation>Aquest fitxer 3MF no col·loca cap objecte a la seva placa de construcció: no té cap element de construcció.</translation>
    </message>
    <message>
        <source>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</source>
        <translation>Aquest fitxer fa referència a %1, que no és un fitxer de la seva pròpia carpeta: el Lumeno3D només llegeix fitxers que són al costat del model.</translation>
    </message>
    <message>
        <source>This file&apos;s %1 are left out: only some of its parts or faces carry them.</source>
        <translation>Aquest fitxer només té %1 en algunes de les seves parts o cares: aquestes dades s&apos;ometen.</translation>
    </message>
    <message>
        <source>This file gives its sizes in the unit &quot;%1&quot;; they were converted to millimetres.</source>
        <translation>Aquest fitxer indica les mides en la unitat «%1»; s&apos;han convertit a mil·límetres.</translation>
    </message>
    <message>
        <source>%1 vertices or face corners</source>
        <translation>%1 vèrtexs o cantonades de cares</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot;</source>
        <translation>la unitat «%1»</translation>
    </message>
    <message>
        <source>components nested more than %1 deep</source>
        <translation>components imbricats a més de %1 nivells de profunditat</translation>
    </message>
    <message>
        <source>more than %1 placed objects</source>
        <translation>més de %1 objectes col·locats</translation>
    </message>
    <message>
        <source>more than %1 MiB of text without a tag</source>
        <translation>més de %1 MiB de text sense cap etiqueta</translation>
    </message>
    <message>
        <source>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</source>
        <translation>Falten biblioteques de materials al costat d’aquest model o són fora de la seva carpeta: %1. Els seus materials es mostren en un color simple.</translation>
    </message>
    <message>
        <source>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</source>
        <translation>Falten textures al costat d’aquest model, són fora de la seva carpeta o no es poden llegir: %1. Els seus materials es mostren en els seus colors simples.</translation>
    </message>
    <message>
        <source>%1 materials or %2 groups</source>
        <translation>%1 materials o %2 grups</translation>
    </message>
    <message>
        <source>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</source>
        <translation>Aquest model d&apos;uns %1 triangles necessita uns %2 de memòria per obrir-se i fer els seus nivells, però només n&apos;hi ha %3 disponibles: tanqueu altres programes o obriu-lo en un ordinador amb més memòria.</translation>
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
    <message>
        <source>%1 are not saved: STL files hold the triangles only.</source>
        <translation>%1 no es desen: els fitxers STL només contenen els triangles.</translation>
    </message>
    <message>
        <source>%1 are not saved: OBJ files hold normals and texture coordinates only.</source>
        <translation>%1 no es desen: els fitxers OBJ només contenen normals i coordenades de textura.</translation>
    </message>
    <message>
        <source>%1 are not saved: OFF files hold vertex colours only.</source>
        <translation>%1 no es desen: els fitxers OFF només contenen colors de vèrtex.</translation>
    </message>
    <message>
        <source>%1 are not saved: 3MF files hold vertex colours only.</source>
        <translation>%1 no es desen: els fitxers 3MF només contenen colors de vèrtex.</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</source>
        <translation>No s&apos;ha desat %1: un model només es pot desar com a fitxer STL, PLY, OBJ, GLB, glTF, 3MF o OFF.</translation>
    </message>
    <message>
        <source>There is not enough memory for writing it: close other programs and save again.</source>
        <translation>No hi ha prou memòria per escriure&apos;l: tanqueu altres programes i torneu a desar.</translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n material</numerusform>
            <numerusform>%n materials</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n textures</source>
        <translation>
            <numerusform>%n textura</numerusform>
            <numerusform>%n textures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n part, desada com un sol model</numerusform>
            <numerusform>%n parts, desades com un sol model</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</source>
        <translation>no desat: %1. Els fitxers 3MF només contenen les textures de color base de models amb coordenades de textura.</translation>
    </message>
    <message>
        <source>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</source>
        <translation>no desat: %1. Els fitxers glTF només contenen imatges PNG i JPEG, i una imatge que falta no es pot desar.</translation>
    </message>
    <message>
        <source>not saved: %1. %2 files hold no materials, textures or parts.</source>
        <translation>no desat: %1. Els fitxers %2 no contenen materials, textures ni parts.</translation>
    </message>
    <message>
        <source>%1 was not saved: the levels are saved in one file as GLB only.</source>
        <translation>%1 no s&apos;ha desat: els nivells en un sol fitxer només es desen com a GLB.</translation>
    </message>
</context>
<context>
    <name>PointAttributes</name>
    <message>
        <source>vertex colours</source>
        <translation>colors de vèrtex</translation>
    </message>
    <message>
        <source>normals</source>
        <translation>normals</translation>
    </message>
    <message>
        <source>texture coordinates</source>
        <translation>coordenades de textura</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
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
        <translation>materials i textures</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n part, desada com un sol model</numerusform>
            <numerusform>%n parts, desades com un sol model</numerusform>
        </translation>
    </message>
    <message>
        <source>The materials and parts that reading the file could not keep are not in the model.</source>
        <translation>Els materials i les parts que la lectura del fitxer no ha pogut conservar no són al model.</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Transformació</translation>
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
    <message>
        <source>Size</source>
        <translation>Mida</translation>
    </message>
</context>
</TS>
