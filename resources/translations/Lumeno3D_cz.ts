<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
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
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?
(Changes will be lost if you didn&apos;t save them).</source>
        <translation>Lumeno3D se zavře, aby bylo možné nainstalovat novou verzi.
Chcete Lumeno3D zavřít a aktualizovat?
(Neuložené změny budou ztraceny).</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
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
        <source>You have changed the language used to display Lumeno3D user interface 

This change will not take effect until you restart Lumeno3D</source>
        <translation>Změnili jste jazyk uživatelského rozhraní aplikace Lumeno3D

Změna se projeví až po restartování aplikace Lumeno3D</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>Tyto rozměry nelze použít: každý rozměr musí být větší než 0 a zvětšený model musí zůstat v rozsahu souřadnic, který soubor modelu pojme.</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Lumeno3D</source>
        <translation>Lumeno3D</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
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
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Uložit jako...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Předvolby</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Obsah</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
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
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Type the maximum error:</source>
        <translation>Zadejte maximální chybu:</translation>
    </message>
    <message>
        <source>Type the percentage:</source>
        <translation>Zadejte procento:</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>Vyhlazování...</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otevřít soubor</translation>
    </message>
    <message>
        <source>All files (*.stl *.obj *.ply);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>Všechny soubory (*.stl *.obj *.ply);;Soubor STL (*.stl);; Soubor PLY (*.ply);; Soubor OBJ (*.obj)</translation>
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
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>Tento soubor je zřejmě poškozený a nelze jej načíst.</translation>
    </message>
    <message>
        <source>Opening file...</source>
        <translation>Otevírání souboru...</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno</source>
        <translation>V aplikaci Lumeno není načten žádný model</translation>
    </message>
    <message>
        <source>STL file (*.stl)</source>
        <translation>Soubor STL (*.stl)</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Uložit model</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>Soubor STL (*.stl);; Soubor PLY (*.ply);; Soubor OBJ (*.obj)</translation>
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
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <source>%1 was not saved: a model can be saved as an STL, PLY or OBJ file only.</source>
        <translation>%1 nebyl uložen: model lze uložit pouze jako soubor STL, PLY nebo OBJ.</translation>
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
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Transformace</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Měřítko</translation>
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
</context>
</TS>
