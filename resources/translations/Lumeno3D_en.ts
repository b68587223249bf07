<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>More Details</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>About Qt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>New version downloaded!</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>&amp;Install New Version!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?
(Changes will be lost if you didn't save them).</source>
        <translation>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?
(Changes will be lost if you didn't save them).</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>Graphic Options</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>Model Color</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Background Color</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Restore Default</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>You have changed the language used to display Lumeno3D user interface 

This change will not take effect until you restart Lumeno3D</source>
        <translation>You have changed the language used to display Lumeno3D user interface 

This change will not take effect until you restart Lumeno3D</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>Downloading new version!</translation>
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
        <translation>Help</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Main toolbar</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>Decimation by percentage</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>Decimation by error</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>Bottom toolbar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snapshot</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>Create a snapshot</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transform</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Smooth</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Display mode</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Front view</source>
        <translation>Front view</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>Side view</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>Top view</translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation>Perspective view</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>Exit from Lumeno3D</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Type the maximum error:</source>
        <translation>Type the maximum error:</translation>
    </message>
    <message>
        <source>Type the percentage:</source>
        <translation>Type the percentage:</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>Smoothing...</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>All files (*.stl *.obj *.ply);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>All files (*.stl *.obj *.ply);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>The file </translation>
    </message>
    <message>
        <source> doesn't exist.</source>
        <translation> doesn't exist.</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>Error opening </translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>This file seems to be corrupt and cannot be loaded.</translation>
    </message>
    <message>
        <source>Opening file...</source>
        <translation>Opening file...</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno</source>
        <translation>No model is loaded into Lumeno</translation>
    </message>
    <message>
        <source>STL file (*.stl)</source>
        <translation>STL file (*.stl)</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Save model</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>PNG file (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>Save snapshot</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>The image could not be encoded.</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>The snapshot could not be saved to %1.
%2</translation>
    </message>
    <message>
        <source>Decimating 90%...</source>
        <translation>Decimating 90%...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>Decimating 80%...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>Decimating 70%...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>Decimating 60%...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>Decimating 50%...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>Decimating 40%...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>Decimating 30%...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>Decimating 20%...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>Decimating 10%...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>The model could not be saved to %1.
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>No temporary file could be created beside it.</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>Writing the file failed.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY or OBJ file only.</source>
        <translation>%1 was not saved: a model can be saved as an STL, PLY or OBJ file only.</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>There is no model to save.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>The file is write-protected.</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>The model has no triangles.</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>The model has coordinates that are not finite numbers.</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Transform</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scale</translation>
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
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
</context>
</TS>
