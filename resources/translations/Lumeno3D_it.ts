<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?
(Changes will be lost if you didn&apos;t save them).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have changed the language used to display Lumeno3D user interface 

This change will not take effect until you restart Lumeno3D</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Lumeno3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the maximum error:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the percentage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.stl *.obj *.ply);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STL file (*.stl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimating 90%...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY or OBJ file only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
