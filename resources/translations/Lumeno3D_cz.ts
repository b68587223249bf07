<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>DecimationLevels</name>
    <message>
        <source>Decimating 90%...</source>
        <translation>Decimace 90%...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>Decimace 80%...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>Decimace 70%...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>Decimace 60%...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>Decimace 50%...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>Decimace 40%...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>Decimace 30%...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>Decimace 20%...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>Decimace 10%...</translation>
    </message>
</context>
<context>
    <name>DeviationPicture</name>
    <message>
        <source>Deviation, % of the diagonal</source>
        <translation>Odchylka, % úhlopříčky</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Deviation here: %1 % of the diagonal</source>
        <translation>Odchylka zde: %1 % úhlopříčky</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>Další podrobnosti</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>O Qt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>Nová verze byla stažena!</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>&amp;Nainstalovat novou verzi!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Lumeno3D %1 is available.</source>
        <translation>Je k dispozici Lumeno3D %1.</translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation>&amp;Otevřít stránku ke stažení</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</source>
        <translation>Lumeno3D se zavře, aby bylo možné nainstalovat novou verzi.
Chcete Lumeno3D zavřít a aktualizovat?</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>Možnosti grafiky</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>Barva modelu</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Barva pozadí</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Nahoře</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dole</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Obnovit výchozí</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Předvolby</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Při spuštění kontrolovat aktualizace</translation>
    </message>
    <message>
        <source>Reduction method</source>
        <translation>Metoda redukce</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kvalita</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klasická</translation>
    </message>
    <message>
        <source>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</source>
        <translation>Změnili jste jazyk uživatelského rozhraní aplikace Lumeno3D.

Změna se projeví až po restartování aplikace Lumeno3D.</translation>
    </message>
    <message>
        <source>Ask before saving a file that cannot hold all the model carries</source>
        <translation>Zeptat se před uložením do souboru, který neudrží vše, co model nese</translation>
    </message>
    <message>
        <source>Up axis in the first view of a model</source>
        <translation>Osa nahoru v prvním pohledu na model</translation>
    </message>
    <message>
        <source>Automatic: Z for 3MF and printer parts, else Y</source>
        <translation>Automaticky: Z pro 3MF a díly pro tisk, jinak Y</translation>
    </message>
    <message>
        <source>Y up</source>
        <translation>Y nahoru</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z nahoru</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>Tyto rozměry nelze použít: každý rozměr musí být větší než 0 a zvětšený model musí zůstat v rozsahu souřadnic, který soubor modelu pojme.</translation>
    </message>
    <message>
        <source>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</source>
        <translation>Proporce jsou zachovány: nový rozměr podél jedné osy změní stejně všechny tři rozměry. Kliknutím nastavíte rozměr každé osy samostatně.</translation>
    </message>
    <message>
        <source>Each axis is sized on its own. Click to keep the proportions.</source>
        <translation>Rozměr každé osy se nastavuje samostatně. Kliknutím zachováte proporce.</translation>
    </message>
    <message>
        <source>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</source>
        <translation>Toto otočení nelze použít: otočený model by nezůstal v rozsahu souřadnic, který soubor modelu pojme. Zvolte jiné úhly nebo menší rozměry.</translation>
    </message>
    <message>
        <source>Size (%1)</source>
        <translation>Velikost (%1)</translation>
    </message>
    <message>
        <source>The scale factor along %1: the size set divided by the model&apos;s own size</source>
        <translation>Měřítko podél %1: nastavená velikost dělená vlastní velikostí modelu</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>Stahuje se nová verze!</translation>
    </message>
</context>
<context>
    <name>DualView</name>
    <message>
        <source>With %1</source>
        <translation>S %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parts</source>
        <translation>
            <numerusform>%n část</numerusform>
            <numerusform>%n části</numerusform>
            <numerusform>%n částí</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts: %1</source>
        <translation>
            <numerusform>%n část: %1</numerusform>
            <numerusform>%n části: %1</numerusform>
            <numerusform>%n částí: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n materiál</numerusform>
            <numerusform>%n materiály</numerusform>
            <numerusform>%n materiálů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials: %1</source>
        <translation>
            <numerusform>%n materiál: %1</numerusform>
            <numerusform>%n materiály: %1</numerusform>
            <numerusform>%n materiálů: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn simplified to %1 triangles to fit into memory</source>
        <translation>Vykresleno zjednodušeně na %1 trojúhelníků, aby se vešlo do paměti</translation>
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
        <translation>Nápověda Lumeno3D</translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation>Lumeno3D odlehčuje trojúhelníkové sítě: snižuje počet trojúhelníků modelu se zachováním jeho tvaru a ukládá výsledek.</translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation>Otevření modelu</translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation>Redukce</translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level&apos;s button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation>Jakmile je model načten, Lumeno3D vypočítá devět úrovní, které zachovávají 90 až 10 procent jeho trojúhelníků; tlačítko každé úrovně ukazuje velikost jejího souboru. Model můžete také zredukovat na vlastní procento nebo tak daleko, jak dovolí maximální odchylka od jeho tvaru.</translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation>Vyhlazení a transformace</translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation>Vyhladit vyrovná povrch modelu vpravo. Transformovat změní měřítko modelu a otočí jej; oba pohledy ukazují změnu dříve, než ji přijmete.</translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation>Prohlížení</translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation>Model otáčejte levým tlačítkem myši, posouvejte prostředním tlačítkem a přibližujte kolečkem; pravý pohled sleduje levý. Tlačítka dole přepínají mezi povrchem, body a drátovým modelem, přizpůsobí model pohledům a ukážou jej zepředu, z boku, shora nebo v perspektivě.</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Ukládání</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Předvolby</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation>Zvolte jazyk rozhraní, barvu modelu a barvy pozadí. Nový jazyk se projeví při příštím spuštění.</translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation>Nejnovější verze této stránky je na webu:</translation>
    </message>
    <message>
        <source>You can also drop a model file on the window.</source>
        <translation>Soubor s modelem můžete také přetáhnout do okna.</translation>
    </message>
    <message>
        <source>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</source>
        <translation>Zpět a Znovu v nabídce Úpravy vracejí a opakují transformace a vyhlazení. Pokud by Nový, Otevřít nebo zavření zahodily neuložené změny, Lumeno3D se nejprve zeptá.</translation>
    </message>
    <message>
        <source>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</source>
        <translation>Při spuštění kontrolovat aktualizace: při každém spuštění se Lumeno3D zeptá svých webových stránek na novější verzi a dá vám vědět, když nějaká je.</translation>
    </message>
    <message>
        <source>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</source>
        <translation>Metoda redukce: Kvalita vytvoří všechny úrovně v jednom průchodu a drží se tvaru několikrát blíže; Klasická je metoda dřívějších verzí.</translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</source>
        <translation>Uložit jako v nabídce Soubor zapíše model zobrazený vpravo jako STL, PLY, OBJ, GLB, glTF, 3MF nebo OFF. PLY, GLB a glTF zachovávají barvy vrcholů, normály a texturové souřadnice; soubor glTF obsahuje svá data sám, bez souboru .bin vedle sebe. Snímek uloží oba pohledy jako obrázky PNG.</translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation>V nabídce Soubor zvolte Otevřít a vyberte soubor STL, OBJ, PLY, OFF, glTF (.gltf nebo .glb) nebo 3MF. Části souboru glTF, 3MF nebo OBJ zůstávají částmi, každá tam, kam ji soubor umisťuje, se svými materiály a texturami. Levý pohled ukazuje model tak, jak byl načten, pravý pohled zredukovaný model. Nabídka Soubor také obsahuje naposledy otevřené soubory.</translation>
    </message>
    <message>
        <source>Show deviation in the View menu colours the reduced model by each point&apos;s distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</source>
        <translation>Zobrazit odchylku v nabídce Zobrazit obarví zmenšený model podle vzdálenosti každého bodu od načteného modelu, od modré (žádná) po tmavě červenou (největší); legenda ukazuje stupnici a ukazatel myši hodnotu pod sebou.</translation>
    </message>
    <message>
        <source>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</source>
        <translation>Uložit úrovně do jednoho souboru zapíše model a jeho devět úrovní do jednoho souboru GLB jako úrovně detailu, které čtou herní a webové enginy.</translation>
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
        <translation>Hlavní panel nástrojů</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>Decimace podle procent</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>Decimace podle chyby</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>Spodní panel nástrojů</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snímek</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>Vytvořit snímek</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformovat</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Vyhladit</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Barvy</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Režim zobrazení</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Přiblížení</translation>
    </message>
    <message>
        <source>Front view</source>
        <translation>Pohled zepředu</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>Pohled z boku</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>Pohled shora</translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation>Perspektivní pohled</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>Ukončit Lumeno3D</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otevřít soubor</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>Soubor </translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation> neexistuje.</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>Chyba při otevírání </translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Uložit model</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 již existuje.
Chcete jej nahradit?</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>Soubor PNG (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>Uložit snímek</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>Obrázek nelze zakódovat.</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>Snímek nelze uložit do %1.
%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Ú&amp;pravy</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nový</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otevřít</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>Uložit j&amp;ako...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Předvolby</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Z&amp;novu</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Obsah</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>O &amp;aplikaci</translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation>Vlastní procento...</translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation>Zachovat zadané procento trojúhelníků</translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation>Vlastní mez chyby...</translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation>Odebírat trojúhelníky, dokud to dovolí zadaná mez chyby jako podíl úhlopříčky ohraničujícího kvádru</translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation>Mez chyby filtru jako podíl úhlopříčky ohraničujícího kvádru:</translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation>Procento trojúhelníků, které se zachová, od %1 do %2:</translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation>%1% trojúhelníků nelze zachovat: zadejte procento od %2 do %3. Zobrazený model zůstane beze změny.</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Vyhlazení</translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation>Byl odebrán ze seznamu naposledy otevřených souborů.</translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation>Pokud byl přesunut nebo přejmenován, otevřete jej z nového umístění.</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation>V Lumeno3D není načten žádný model.</translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation>Nejprve otevřete model.</translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation>Zvolte jiný název nebo složku a uložte znovu.</translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation>max. odchylka %1 %, průměr %2 %</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Chcete uložit změny v %1?</translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation>Transformace nebo vyhlazení modelu se ztratí, pokud je neuložíte.</translation>
    </message>
    <message>
        <source>One model is open at a time: only %1 was opened.</source>
        <translation>Najednou lze mít otevřený jen jeden model: otevřen byl pouze %1.</translation>
    </message>
    <message>
        <source>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</source>
        <translation>Všechny modely (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;Soubor STL (*.stl);; Soubor PLY (*.ply);; Soubor OBJ (*.obj);; Soubor OFF (*.off);; Soubor glTF (*.gltf *.glb);; Soubor 3MF (*.3mf)</translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</source>
        <translation>Ověřte, že jde o úplný soubor STL, OBJ, PLY, OFF, glTF, GLB nebo 3MF, nebo jej exportujte znovu.</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</source>
        <translation>Soubor STL (*.stl);; Soubor PLY (*.ply);; Soubor OBJ (*.obj);; Soubor GLB (*.glb);; Soubor glTF (*.gltf);; Soubor 3MF (*.3mf);; Soubor OFF (*.off)</translation>
    </message>
    <message>
        <source>Error bound %1</source>
        <translation>Mez chyby %1</translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, %1 of the bounding box diagonal, allows</source>
        <translation>Odebírat trojúhelníky, dokud to dovolí mez chyby filtru, %1 úhlopříčky ohraničujícího kvádru</translation>
    </message>
    <message>
        <source>%1 cannot hold all that this model carries. Not saved:</source>
        <translation>%1 neudrží vše, co tento model nese. Neuloží se:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Přesto uložit</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Znovu se neptat</translation>
    </message>
    <message>
        <source>The question can be turned on again in the Preferences.</source>
        <translation>Dotaz lze znovu zapnout v Předvolbách.</translation>
    </message>
    <message>
        <source>The %1% level was not made: click to make the missing levels.</source>
        <translation>Úroveň %1 % nebyla vytvořena: klepnutím vytvoříte chybějící úrovně.</translation>
    </message>
    <message>
        <source>Open a model with %1 &gt; %2 (%3)</source>
        <translation>Otevřete model pomocí %1 &gt; %2 (%3)</translation>
    </message>
    <message>
        <source>or drop a model file here</source>
        <translation>nebo sem přetáhněte soubor modelu</translation>
    </message>
    <message>
        <source>(STL, OBJ, PLY, OFF, glTF or 3MF).</source>
        <translation>(STL, OBJ, PLY, OFF, glTF nebo 3MF).</translation>
    </message>
    <message>
        <source>The files opened last are at the end of the %1 menu.</source>
        <translation>Naposledy otevřené soubory jsou na konci nabídky %1.</translation>
    </message>
    <message>
        <source>The reduced model appears here.</source>
        <translation>Zde se zobrazí zmenšený model.</translation>
    </message>
    <message>
        <source>Save parts as one &amp;model</source>
        <translation>Uložit části jako jeden &amp;model</translation>
    </message>
    <message>
        <source>Saves the parts of a model of several parts as one part, as they are drawn</source>
        <translation>Uloží části modelu z více částí jako jednu část, tak jak jsou kresleny</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Zobrazit</translation>
    </message>
    <message>
        <source>Save &amp;levels as one file...</source>
        <translation>Uložit ú&amp;rovně do jednoho souboru...</translation>
    </message>
    <message>
        <source>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</source>
        <translation>Uloží model a jeho devět úrovní jako úrovně detailu do jednoho souboru GLB, který čtou herní a webové enginy</translation>
    </message>
    <message>
        <source>Show &amp;deviation</source>
        <translation>Zobrazit &amp;odchylku</translation>
    </message>
    <message>
        <source>Colour the reduced model by each point&apos;s distance to the loaded model</source>
        <translation>Obarví zmenšený model podle vzdálenosti každého bodu od načteného modelu</translation>
    </message>
    <message>
        <source>Save levels as one file</source>
        <translation>Uložit úrovně do jednoho souboru</translation>
    </message>
    <message>
        <source>GLB file (*.glb)</source>
        <translation>Soubor GLB (*.glb)</translation>
    </message>
</context>
<context>
    <name>ModelDocument</name>
    <message>
        <source>Opening file...</source>
        <translation>Otevírání souboru...</translation>
    </message>
    <message>
        <source>%1 polygons without area could not be made into triangles and were left out.</source>
        <translation>Polygony bez plochy, které nebylo možné převést na trojúhelníky, byly vynechány: %1.</translation>
    </message>
    <message>
        <source>Opening cancelled. The right view still shows %1.</source>
        <translation>Otevírání zrušeno. Pravý pohled stále ukazuje %1.</translation>
    </message>
    <message>
        <source>Opening cancelled.</source>
        <translation>Otevírání zrušeno.</translation>
    </message>
    <message>
        <source>Cancelled. The right view now shows %1.</source>
        <translation>Zrušeno. Pravý pohled nyní ukazuje %1.</translation>
    </message>
    <message>
        <source>Cancelled. The right view still shows %1.</source>
        <translation>Zrušeno. Pravý pohled stále ukazuje %1.</translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation>Decimace %1%...</translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation>Decimace na mez chyby %1...</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>Vyhlazování...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Uloženo do %1</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</source>
        <translation>Hotovo, ale model nelze zredukovat tak daleko: zachováno je %1% trojúhelníků, nikoli požadovaných %2%.</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</source>
        <translation>Hotovo, ale model nelze zredukovat tak daleko: úroveň %1% zachovává %2% trojúhelníků.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Saved to %1; %2</source>
        <translation>Uloženo do %1; %2</translation>
    </message>
    <message>
        <source>Done, but %1% of the triangles are kept, fewer than the %2% asked.</source>
        <translation>Hotovo, ale zachováno je %1% trojúhelníků, méně než požadovaných %2%.</translation>
    </message>
    <message>
        <source>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</source>
        <translation>Hotovo, ale úroveň %1% zachovává %2% trojúhelníků, méně než bylo požadováno.</translation>
    </message>
    <message>
        <source>Not enough memory for this operation: the right view still shows %1.</source>
        <translation>Pro tuto operaci není dost paměti: pravý pohled stále ukazuje %1.</translation>
    </message>
    <message>
        <source>Not enough memory for the %1% level: the levels above it are kept.</source>
        <translation>Pro úroveň %1% není dost paměti: úrovně nad ní zůstávají zachovány.</translation>
    </message>
    <message>
        <source>Making the levels again with the engine chosen: %1 of %2...</source>
        <translation>Úrovně se znovu vytvářejí zvoleným jádrem: %1 z %2...</translation>
    </message>
    <message>
        <source>Making the levels: %1 of %2...</source>
        <translation>Vytvářejí se úrovně: %1 z %2...</translation>
    </message>
    <message>
        <source>The button of a level not made makes the missing levels.</source>
        <translation>Tlačítko nevytvořené úrovně vytvoří chybějící úrovně.</translation>
    </message>
    <message>
        <source>Saving to %1...</source>
        <translation>Ukládá se do %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</source>
        <translation>
            <numerusform>%n texturu nelze přečíst jako obrázek: %1. Její materiál se kreslí svou prostou barvou.</numerusform>
            <numerusform>%n textury nelze přečíst jako obrázky: %1. Jejich materiály se kreslí svou prostou barvou.</numerusform>
            <numerusform>%n textur nelze přečíst jako obrázky: %1. Jejich materiály se kreslí svou prostou barvou.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hotovo.</translation>
    </message>
    <message>
        <source>To reach the triangle count, borders and texture seams were allowed to move off their lines.</source>
        <translation>Aby byl dosažen počet trojúhelníků, mohly se okraje a švy textur posunout mimo své linie.</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>This file doesn&apos;t exist.</source>
        <translation>Tento soubor neexistuje.</translation>
    </message>
    <message>
        <source>This is a folder, not a model file.</source>
        <translation>Toto je složka, nikoli soubor modelu.</translation>
    </message>
    <message>
        <source>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</source>
        <translation>Toto není soubor na disku, ale roura, zařízení nebo soket: Lumeno3D otevírá pouze soubory modelů.</translation>
    </message>
    <message>
        <source>This file is empty: it holds no model.</source>
        <translation>Tento soubor je prázdný: neobsahuje žádný model.</translation>
    </message>
    <message>
        <source>This file cannot be read: %1.</source>
        <translation>Tento soubor nelze přečíst: %1.</translation>
    </message>
    <message>
        <source>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</source>
        <translation>Tento soubor se během čtení změnil; možná do něj jiný program stále zapisuje. Otevřete jej znovu, až bude úplný.</translation>
    </message>
    <message>
        <source>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</source>
        <translation>Lumeno3D nemohl uložit svou pracovní kopii tohoto souboru do dočasné složky %1; složka je možná plná.</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>Tento soubor je zřejmě poškozený a nelze jej načíst.</translation>
    </message>
    <message>
        <source>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</source>
        <translation>Tento soubor neobsahuje žádné trojúhelníky s nenulovou plochou, pouze body nebo čáry (například mračno bodů): Lumeno3D redukuje trojúhelníkové sítě.</translation>
    </message>
    <message>
        <source>All points of this model lie at one place: it has no surface to show or reduce.</source>
        <translation>Všechny body tohoto modelu leží v jednom místě: model nemá žádný povrch, který by šlo zobrazit nebo zredukovat.</translation>
    </message>
    <message>
        <source>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</source>
        <translation>Lumeno3D čte soubory STL, OBJ, PLY, OFF, glTF, GLB a 3MF: vyberte soubor, jehož název končí na .stl, .obj, .ply, .off, .gltf, .glb nebo .3mf.</translation>
    </message>
    <message>
        <source>The file %1, which holds this model&apos;s data, is missing beside it or cannot be read: copy it into the same folder.</source>
        <translation>Soubor %1, který obsahuje data tohoto modelu, vedle něj chybí nebo jej nelze přečíst: zkopírujte jej do stejné složky.</translation>
    </message>
    <message>
        <source>This file needs %1, which Lumeno3D cannot read: export it again without it.</source>
        <translation>Tento soubor vyžaduje %1, což Lumeno3D neumí přečíst: exportujte jej znovu bez tohoto požadavku.</translation>
    </message>
    <message numerus="yes">
        <source>%n parts were merged into one model.</source>
        <translation>
            <numerusform>%n část byla sloučena do jednoho modelu.</numerusform>
            <numerusform>%n části byly sloučeny do jednoho modelu.</numerusform>
            <numerusform>%n částí bylo sloučeno do jednoho modelu.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s materials and textures are not kept: they are not saved with the model.</source>
        <translation>Materiály a textury tohoto souboru se nezachovávají: neukládají se s modelem.</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of points or lines were left out: they have no triangles.</source>
        <translation>
            <numerusform>%n skupina bodů nebo čar byla vynechána: nemá žádné trojúhelníky.</numerusform>
            <numerusform>%n skupiny bodů nebo čar byly vynechány: nemají žádné trojúhelníky.</numerusform>
            <numerusform>%n skupin bodů nebo čar bylo vynecháno: nemají žádné trojúhelníky.</numerusform>
        </translation>
    </message>
    <message>
        <source>The colours of this file&apos;s faces are left out: Lumeno3D keeps vertex colours only.</source>
        <translation>Barvy stěn tohoto souboru jsou vynechány: Lumeno3D zachovává pouze barvy vrcholů.</translation>
    </message>
    <message>
        <source>JSON nested %1 levels deep</source>
        <translation>JSON vnořený do hloubky %1 úrovní</translation>
    </message>
    <message>
        <source>nodes nested %1 levels deep</source>
        <translation>uzly vnořené do hloubky %1 úrovní</translation>
    </message>
    <message>
        <source>%1 placed nodes</source>
        <translation>%1 umístěných uzlů</translation>
    </message>
    <message>
        <source>%1 placed parts</source>
        <translation>%1 umístěných částí</translation>
    </message>
    <message>
        <source>%1 points or triangles in all its parts</source>
        <translation>%1 bodů nebo trojúhelníků ve všech jeho částech</translation>
    </message>
    <message>
        <source>This file is larger than the %1 Lumeno3D reads.</source>
        <translation>Tento soubor je větší než %1, které Lumeno3D dokáže načíst.</translation>
    </message>
    <message>
        <source>There is not enough memory for reading this file: close other programs and open it again.</source>
        <translation>Pro čtení tohoto souboru není dost paměti: zavřete jiné programy a otevřete jej znovu.</translation>
    </message>
    <message>
        <source>This file holds more than Lumeno3D reads: %1.</source>
        <translation>Tento soubor obsahuje víc, než Lumeno3D dokáže načíst: %1.</translation>
    </message>
    <message>
        <source>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</source>
        <translation>glTF 1.0 není podporován; Lumeno3D čte glTF 2.0.</translation>
    </message>
    <message>
        <source>This glTF file holds no meshes: there is no surface to show or reduce.</source>
        <translation>Tento soubor glTF neobsahuje žádné sítě: není zde žádný povrch, který by šlo zobrazit nebo zredukovat.</translation>
    </message>
    <message>
        <source>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</source>
        <translation>Tento soubor obsahuje pouze body, žádné trojúhelníky: Lumeno3D redukuje trojúhelníkové sítě.</translation>
    </message>
    <message>
        <source>This 3MF file places no object on its build plate: it has no build items.</source>
        <translation>Tento soubor 3MF neumisťuje na svou tiskovou podložku žádný objekt: nemá žádné položky sestavení.</translation>
    </message>
    <message>
        <source>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</source>
        <translation>Tento soubor odkazuje na %1, což není soubor v jeho vlastní složce: Lumeno3D čte pouze soubory uložené vedle modelu.</translation>
    </message>
    <message>
        <source>This file&apos;s %1 are left out: only some of its parts or faces carry them.</source>
        <translation>Z tohoto souboru jsou vynechány %1: mají je jen některé jeho části nebo stěny.</translation>
    </message>
    <message>
        <source>This file gives its sizes in the unit &quot;%1&quot;; they were converted to millimetres.</source>
        <translation>Tento soubor udává rozměry v jednotce „%1“; byly převedeny na milimetry.</translation>
    </message>
    <message>
        <source>%1 vertices or face corners</source>
        <translation>%1 vrcholů nebo rohů stěn</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot;</source>
        <translation>jednotku „%1“</translation>
    </message>
    <message>
        <source>components nested more than %1 deep</source>
        <translation>komponenty vnořené do více než %1 úrovní</translation>
    </message>
    <message>
        <source>more than %1 placed objects</source>
        <translation>více než %1 umístěných objektů</translation>
    </message>
    <message>
        <source>more than %1 MiB of text without a tag</source>
        <translation>více než %1 MiB textu bez značky</translation>
    </message>
    <message>
        <source>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</source>
        <translation>Knihovny materiálů chybí vedle tohoto modelu nebo leží mimo jeho složku: %1. Jejich materiály se zobrazují prostou barvou.</translation>
    </message>
    <message>
        <source>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</source>
        <translation>Textury chybí vedle tohoto modelu, leží mimo jeho složku nebo jsou nečitelné: %1. Jejich materiály se zobrazují svými prostými barvami.</translation>
    </message>
    <message>
        <source>%1 materials or %2 groups</source>
        <translation>%1 materiálů nebo %2 skupin</translation>
    </message>
    <message>
        <source>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</source>
        <translation>Tento model o přibližně %1 trojúhelnících potřebuje k otevření a vytvoření úrovní asi %2 paměti, ale k dispozici je jen %3: zavřete jiné programy nebo jej otevřete na počítači s větší pamětí.</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>Model nelze uložit do %1.
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>Ve stejné složce nelze vytvořit dočasný soubor.</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>Zápis souboru se nezdařil.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Nejde o běžný soubor.</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>Není k dispozici žádný model k uložení.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Soubor je chráněn proti zápisu.</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>Model nemá žádné trojúhelníky.</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>Model má souřadnice, které nejsou konečná čísla.</translation>
    </message>
    <message>
        <source>%1 are not saved: STL files hold the triangles only.</source>
        <translation>%1 se neukládají: soubory STL obsahují pouze trojúhelníky.</translation>
    </message>
    <message>
        <source>%1 are not saved: OBJ files hold normals and texture coordinates only.</source>
        <translation>%1 se neukládají: soubory OBJ obsahují pouze normály a texturové souřadnice.</translation>
    </message>
    <message>
        <source>%1 are not saved: OFF files hold vertex colours only.</source>
        <translation>%1 se neukládají: soubory OFF obsahují pouze barvy vrcholů.</translation>
    </message>
    <message>
        <source>%1 are not saved: 3MF files hold vertex colours only.</source>
        <translation>%1 se neukládají: soubory 3MF obsahují pouze barvy vrcholů.</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</source>
        <translation>%1 nebyl uložen: model lze uložit pouze jako soubor STL, PLY, OBJ, GLB, glTF, 3MF nebo OFF.</translation>
    </message>
    <message>
        <source>There is not enough memory for writing it: close other programs and save again.</source>
        <translation>Pro jeho zápis není dost paměti: zavřete jiné programy a uložte znovu.</translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n materiál</numerusform>
            <numerusform>%n materiály</numerusform>
            <numerusform>%n materiálů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n textures</source>
        <translation>
            <numerusform>%n textura</numerusform>
            <numerusform>%n textury</numerusform>
            <numerusform>%n textur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n část, uložena jako jeden model</numerusform>
            <numerusform>%n části, uloženy jako jeden model</numerusform>
            <numerusform>%n částí, uloženo jako jeden model</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</source>
        <translation>neuloženo: %1. Soubory 3MF obsahují textury základní barvy jen u modelů se souřadnicemi textur.</translation>
    </message>
    <message>
        <source>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</source>
        <translation>neuloženo: %1. Soubory glTF obsahují jen obrázky PNG a JPEG a chybějící obrázek nelze uložit.</translation>
    </message>
    <message>
        <source>not saved: %1. %2 files hold no materials, textures or parts.</source>
        <translation>neuloženo: %1. Soubory %2 neobsahují materiály, textury ani části.</translation>
    </message>
    <message>
        <source>%1 was not saved: the levels are saved in one file as GLB only.</source>
        <translation>%1 nebyl uložen: úrovně v jednom souboru se ukládají pouze jako GLB.</translation>
    </message>
</context>
<context>
    <name>PointAttributes</name>
    <message>
        <source>vertex colours</source>
        <translation>barvy vrcholů</translation>
    </message>
    <message>
        <source>normals</source>
        <translation>normály</translation>
    </message>
    <message>
        <source>texture coordinates</source>
        <translation>texturové souřadnice</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 a %2</translation>
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
        <translation>materiály a textury</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n část, uložená jako jeden model</numerusform>
            <numerusform>%n části, uložené jako jeden model</numerusform>
            <numerusform>%n částí, uložených jako jeden model</numerusform>
        </translation>
    </message>
    <message>
        <source>The materials and parts that reading the file could not keep are not in the model.</source>
        <translation>Materiály a části, které čtení souboru nedokázalo zachovat, v modelu nejsou.</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Transformace</translation>
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
        <translation>Otočení</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
</context>
</TS>
