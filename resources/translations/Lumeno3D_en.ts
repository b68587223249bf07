<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>DecimationLevels</name>
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
</context>
<context>
    <name>DeviationPicture</name>
    <message>
        <source>Deviation, % of the diagonal</source>
        <translation>Deviation, % of the diagonal</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Deviation here: %1 % of the diagonal</source>
        <translation>Deviation here: %1 % of the diagonal</translation>
    </message>
</context>
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
        <source>Lumeno3D %1 is available.</source>
        <translation>Lumeno3D %1 is available.</translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation>&amp;Open the download page</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</source>
        <translation>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
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
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Check for updates at start</translation>
    </message>
    <message>
        <source>Reduction method</source>
        <translation>Reduction method</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</source>
        <translation>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</translation>
    </message>
    <message>
        <source>Ask before saving a file that cannot hold all the model carries</source>
        <translation>Ask before saving a file that cannot hold all the model carries</translation>
    </message>
    <message>
        <source>Up axis in the first view of a model</source>
        <translation>Up axis in the first view of a model</translation>
    </message>
    <message>
        <source>Automatic: Z for 3MF and printer parts, else Y</source>
        <translation>Automatic: Z for 3MF and printer parts, else Y</translation>
    </message>
    <message>
        <source>Y up</source>
        <translation>Y up</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z up</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</translation>
    </message>
    <message>
        <source>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</source>
        <translation>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</translation>
    </message>
    <message>
        <source>Each axis is sized on its own. Click to keep the proportions.</source>
        <translation>Each axis is sized on its own. Click to keep the proportions.</translation>
    </message>
    <message>
        <source>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</source>
        <translation>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</translation>
    </message>
    <message>
        <source>Size (%1)</source>
        <translation>Size (%1)</translation>
    </message>
    <message>
        <source>The scale factor along %1: the size set divided by the model's own size</source>
        <translation>The scale factor along %1: the size set divided by the model's own size</translation>
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
    <name>DualView</name>
    <message>
        <source>With %1</source>
        <translation>With %1</translation>
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
        <translation>Drawn simplified to %1 triangles to fit into memory</translation>
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
        <translation>Lumeno3D Help</translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation>Opening a model</translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation>Reducing</translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level's button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level's button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation>Smoothing and transforming</translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation>Viewing</translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation>The latest version of this page is on the web:</translation>
    </message>
    <message>
        <source>You can also drop a model file on the window.</source>
        <translation>You can also drop a model file on the window.</translation>
    </message>
    <message>
        <source>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</source>
        <translation>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</translation>
    </message>
    <message>
        <source>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</source>
        <translation>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</translation>
    </message>
    <message>
        <source>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</source>
        <translation>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</source>
        <translation>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</translation>
    </message>
    <message>
        <source>Show deviation in the View menu colours the reduced model by each point's distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</source>
        <translation>Show deviation in the View menu colours the reduced model by each point's distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</translation>
    </message>
    <message>
        <source>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</source>
        <translation>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</translation>
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
        <source>Open File</source>
        <translation>Open File</translation>
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
        <source>Save model</source>
        <translation>Save model</translation>
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
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Save as...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferences</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Content</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation>Custom percentage...</translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation>Keep a percentage of the triangles that you type</translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation>Custom error bound...</translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation>Error bound of the filter, as a share of the bounding box diagonal:</translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation>Percentage of the triangles to keep, from %1 to %2:</translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Smoothing</translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation>It was removed from Recent files.</translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation>If it was moved or renamed, open it from its new place.</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation>No model is loaded into Lumeno3D.</translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation>Open a model first.</translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation>Choose another name or folder and save again.</translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation>max. deviation %1 %, mean %2 %</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Do you want to save the changes to %1?</translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation>The transform or smoothing of the model is lost unless you save it.</translation>
    </message>
    <message>
        <source>One model is open at a time: only %1 was opened.</source>
        <translation>One model is open at a time: only %1 was opened.</translation>
    </message>
    <message>
        <source>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</source>
        <translation>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</source>
        <translation>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</source>
        <translation>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</translation>
    </message>
    <message>
        <source>Error bound %1</source>
        <translation>Error bound %1</translation>
    </message>
    <message>
        <source>Remove triangles while the filter's error bound, %1 of the bounding box diagonal, allows</source>
        <translation>Remove triangles while the filter's error bound, %1 of the bounding box diagonal, allows</translation>
    </message>
    <message>
        <source>%1 cannot hold all that this model carries. Not saved:</source>
        <translation>%1 cannot hold all that this model carries. Not saved:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Save anyway</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Do not ask again</translation>
    </message>
    <message>
        <source>The question can be turned on again in the Preferences.</source>
        <translation>The question can be turned on again in the Preferences.</translation>
    </message>
    <message>
        <source>The %1% level was not made: click to make the missing levels.</source>
        <translation>The %1% level was not made: click to make the missing levels.</translation>
    </message>
    <message>
        <source>Open a model with %1 &gt; %2 (%3)</source>
        <translation>Open a model with %1 &gt; %2 (%3)</translation>
    </message>
    <message>
        <source>or drop a model file here</source>
        <translation>or drop a model file here</translation>
    </message>
    <message>
        <source>(STL, OBJ, PLY, OFF, glTF or 3MF).</source>
        <translation>(STL, OBJ, PLY, OFF, glTF or 3MF).</translation>
    </message>
    <message>
        <source>The files opened last are at the end of the %1 menu.</source>
        <translation>The files opened last are at the end of the %1 menu.</translation>
    </message>
    <message>
        <source>The reduced model appears here.</source>
        <translation>The reduced model appears here.</translation>
    </message>
    <message>
        <source>Save parts as one &amp;model</source>
        <translation>Save parts as one &amp;model</translation>
    </message>
    <message>
        <source>Saves the parts of a model of several parts as one part, as they are drawn</source>
        <translation>Saves the parts of a model of several parts as one part, as they are drawn</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Save &amp;levels as one file...</source>
        <translation>Save &amp;levels as one file...</translation>
    </message>
    <message>
        <source>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</source>
        <translation>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</translation>
    </message>
    <message>
        <source>Show &amp;deviation</source>
        <translation>Show &amp;deviation</translation>
    </message>
    <message>
        <source>Colour the reduced model by each point's distance to the loaded model</source>
        <translation>Colour the reduced model by each point's distance to the loaded model</translation>
    </message>
    <message>
        <source>Save levels as one file</source>
        <translation>Save levels as one file</translation>
    </message>
    <message>
        <source>GLB file (*.glb)</source>
        <translation>GLB file (*.glb)</translation>
    </message>
</context>
<context>
    <name>ModelDocument</name>
    <message>
        <source>Opening file...</source>
        <translation>Opening file...</translation>
    </message>
    <message>
        <source>%1 polygons without area could not be made into triangles and were left out.</source>
        <translation>%1 polygons without area could not be made into triangles and were left out.</translation>
    </message>
    <message>
        <source>Opening cancelled. The right view still shows %1.</source>
        <translation>Opening cancelled. The right view still shows %1.</translation>
    </message>
    <message>
        <source>Opening cancelled.</source>
        <translation>Opening cancelled.</translation>
    </message>
    <message>
        <source>Cancelled. The right view now shows %1.</source>
        <translation>Cancelled. The right view now shows %1.</translation>
    </message>
    <message>
        <source>Cancelled. The right view still shows %1.</source>
        <translation>Cancelled. The right view still shows %1.</translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation>Decimating %1%...</translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation>Decimating to error bound %1...</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>Smoothing...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Saved to %1</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</source>
        <translation>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</source>
        <translation>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Saved to %1; %2</source>
        <translation>Saved to %1; %2</translation>
    </message>
    <message>
        <source>Done, but %1% of the triangles are kept, fewer than the %2% asked.</source>
        <translation>Done, but %1% of the triangles are kept, fewer than the %2% asked.</translation>
    </message>
    <message>
        <source>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</source>
        <translation>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</translation>
    </message>
    <message>
        <source>Not enough memory for this operation: the right view still shows %1.</source>
        <translation>Not enough memory for this operation: the right view still shows %1.</translation>
    </message>
    <message>
        <source>Not enough memory for the %1% level: the levels above it are kept.</source>
        <translation>Not enough memory for the %1% level: the levels above it are kept.</translation>
    </message>
    <message>
        <source>Making the levels again with the engine chosen: %1 of %2...</source>
        <translation>Making the levels again with the engine chosen: %1 of %2...</translation>
    </message>
    <message>
        <source>Making the levels: %1 of %2...</source>
        <translation>Making the levels: %1 of %2...</translation>
    </message>
    <message>
        <source>The button of a level not made makes the missing levels.</source>
        <translation>The button of a level not made makes the missing levels.</translation>
    </message>
    <message>
        <source>Saving to %1...</source>
        <translation>Saving to %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</source>
        <translation>
            <numerusform>%n texture could not be read as an image: %1. Its material is drawn in its plain colour.</numerusform>
            <numerusform>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Done.</translation>
    </message>
    <message>
        <source>To reach the triangle count, borders and texture seams were allowed to move off their lines.</source>
        <translation>To reach the triangle count, borders and texture seams were allowed to move off their lines.</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>This file doesn't exist.</source>
        <translation>This file doesn't exist.</translation>
    </message>
    <message>
        <source>This is a folder, not a model file.</source>
        <translation>This is a folder, not a model file.</translation>
    </message>
    <message>
        <source>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</source>
        <translation>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</translation>
    </message>
    <message>
        <source>This file is empty: it holds no model.</source>
        <translation>This file is empty: it holds no model.</translation>
    </message>
    <message>
        <source>This file cannot be read: %1.</source>
        <translation>This file cannot be read: %1.</translation>
    </message>
    <message>
        <source>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</source>
        <translation>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</translation>
    </message>
    <message>
        <source>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</source>
        <translation>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>This file seems to be corrupt and cannot be loaded.</translation>
    </message>
    <message>
        <source>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</source>
        <translation>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</translation>
    </message>
    <message>
        <source>All points of this model lie at one place: it has no surface to show or reduce.</source>
        <translation>All points of this model lie at one place: it has no surface to show or reduce.</translation>
    </message>
    <message>
        <source>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</source>
        <translation>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</translation>
    </message>
    <message>
        <source>The file %1, which holds this model's data, is missing beside it or cannot be read: copy it into the same folder.</source>
        <translation>The file %1, which holds this model's data, is missing beside it or cannot be read: copy it into the same folder.</translation>
    </message>
    <message>
        <source>This file needs %1, which Lumeno3D cannot read: export it again without it.</source>
        <translation>This file needs %1, which Lumeno3D cannot read: export it again without it.</translation>
    </message>
    <message numerus="yes">
        <source>%n parts were merged into one model.</source>
        <translation>
            <numerusform>%n part was merged into one model.</numerusform>
            <numerusform>%n parts were merged into one model.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file's materials and textures are not kept: they are not saved with the model.</source>
        <translation>This file's materials and textures are not kept: they are not saved with the model.</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of points or lines were left out: they have no triangles.</source>
        <translation>
            <numerusform>%n group of points or lines was left out: it has no triangles.</numerusform>
            <numerusform>%n groups of points or lines were left out: they have no triangles.</numerusform>
        </translation>
    </message>
    <message>
        <source>The colours of this file's faces are left out: Lumeno3D keeps vertex colours only.</source>
        <translation>The colours of this file's faces are left out: Lumeno3D keeps vertex colours only.</translation>
    </message>
    <message>
        <source>JSON nested %1 levels deep</source>
        <translation>JSON nested %1 levels deep</translation>
    </message>
    <message>
        <source>nodes nested %1 levels deep</source>
        <translation>nodes nested %1 levels deep</translation>
    </message>
    <message>
        <source>%1 placed nodes</source>
        <translation>%1 placed nodes</translation>
    </message>
    <message>
        <source>%1 placed parts</source>
        <translation>%1 placed parts</translation>
    </message>
    <message>
        <source>%1 points or triangles in all its parts</source>
        <translation>%1 points or triangles in all its parts</translation>
    </message>
    <message>
        <source>This file is larger than the %1 Lumeno3D reads.</source>
        <translation>This file is larger than the %1 Lumeno3D reads.</translation>
    </message>
    <message>
        <source>There is not enough memory for reading this file: close other programs and open it again.</source>
        <translation>There is not enough memory for reading this file: close other programs and open it again.</translation>
    </message>
    <message>
        <source>This file holds more than Lumeno3D reads: %1.</source>
        <translation>This file holds more than Lumeno3D reads: %1.</translation>
    </message>
    <message>
        <source>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</source>
        <translation>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</translation>
    </message>
    <message>
        <source>This glTF file holds no meshes: there is no surface to show or reduce.</source>
        <translation>This glTF file holds no meshes: there is no surface to show or reduce.</translation>
    </message>
    <message>
        <source>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</source>
        <translation>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</translation>
    </message>
    <message>
        <source>This 3MF file places no object on its build plate: it has no build items.</source>
        <translation>This 3MF file places no object on its build plate: it has no build items.</translation>
    </message>
    <message>
        <source>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</source>
        <translation>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</translation>
    </message>
    <message>
        <source>This file's %1 are left out: only some of its parts or faces carry them.</source>
        <translation>This file's %1 are left out: only some of its parts or faces carry them.</translation>
    </message>
    <message>
        <source>This file gives its sizes in the unit "%1"; they were converted to millimetres.</source>
        <translation>This file gives its sizes in the unit "%1"; they were converted to millimetres.</translation>
    </message>
    <message>
        <source>%1 vertices or face corners</source>
        <translation>%1 vertices or face corners</translation>
    </message>
    <message>
        <source>the unit "%1"</source>
        <translation>the unit "%1"</translation>
    </message>
    <message>
        <source>components nested more than %1 deep</source>
        <translation>components nested more than %1 deep</translation>
    </message>
    <message>
        <source>more than %1 placed objects</source>
        <translation>more than %1 placed objects</translation>
    </message>
    <message>
        <source>more than %1 MiB of text without a tag</source>
        <translation>more than %1 MiB of text without a tag</translation>
    </message>
    <message>
        <source>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</source>
        <translation>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</translation>
    </message>
    <message>
        <source>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</source>
        <translation>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</translation>
    </message>
    <message>
        <source>%1 materials or %2 groups</source>
        <translation>%1 materials or %2 groups</translation>
    </message>
    <message>
        <source>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</source>
        <translation>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</translation>
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
    <message>
        <source>%1 are not saved: STL files hold the triangles only.</source>
        <translation>%1 are not saved: STL files hold the triangles only.</translation>
    </message>
    <message>
        <source>%1 are not saved: OBJ files hold normals and texture coordinates only.</source>
        <translation>%1 are not saved: OBJ files hold normals and texture coordinates only.</translation>
    </message>
    <message>
        <source>%1 are not saved: OFF files hold vertex colours only.</source>
        <translation>%1 are not saved: OFF files hold vertex colours only.</translation>
    </message>
    <message>
        <source>%1 are not saved: 3MF files hold vertex colours only.</source>
        <translation>%1 are not saved: 3MF files hold vertex colours only.</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</source>
        <translation>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</translation>
    </message>
    <message>
        <source>There is not enough memory for writing it: close other programs and save again.</source>
        <translation>There is not enough memory for writing it: close other programs and save again.</translation>
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
            <numerusform>%n texture</numerusform>
            <numerusform>%n textures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n part, saved as one model</numerusform>
            <numerusform>%n parts, saved as one model</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</source>
        <translation>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</translation>
    </message>
    <message>
        <source>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</source>
        <translation>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</translation>
    </message>
    <message>
        <source>not saved: %1. %2 files hold no materials, textures or parts.</source>
        <translation>not saved: %1. %2 files hold no materials, textures or parts.</translation>
    </message>
    <message>
        <source>%1 was not saved: the levels are saved in one file as GLB only.</source>
        <translation>%1 was not saved: the levels are saved in one file as GLB only.</translation>
    </message>
</context>
<context>
    <name>PointAttributes</name>
    <message>
        <source>vertex colours</source>
        <translation>vertex colours</translation>
    </message>
    <message>
        <source>normals</source>
        <translation>normals</translation>
    </message>
    <message>
        <source>texture coordinates</source>
        <translation>texture coordinates</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
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
        <translation>materials and textures</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n parts, saved as one model</numerusform>
            <numerusform>%n parts, saved as one model</numerusform>
        </translation>
    </message>
    <message>
        <source>The materials and parts that reading the file could not keep are not in the model.</source>
        <translation>The materials and parts that reading the file could not keep are not in the model.</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Transform</translation>
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
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
</context>
</TS>
