<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DecimationLevels</name>
    <message>
        <source>Decimating 90%...</source>
        <translation>Diezmando al 90%...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>Diezmando al 80%...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>Diezmando al 70%...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>Diezmando al 60%...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>Diezmando al 50%...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>Diezmando al 40%...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>Diezmando al 30%...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>Diezmando al 20%...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>Diezmando al 10%...</translation>
    </message>
</context>
<context>
    <name>DeviationPicture</name>
    <message>
        <source>Deviation, % of the diagonal</source>
        <translation>Desviación, % de la diagonal</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Deviation here: %1 % of the diagonal</source>
        <translation>Desviación aquí: %1 % de la diagonal</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>Más detalles</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>Acerca de Qt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>¡Nueva versión descargada!</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>¡&amp;Instalar la nueva versión!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Lumeno3D %1 is available.</source>
        <translation>Lumeno3D %1 está disponible.</translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation>&amp;Abrir la página de descarga</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</source>
        <translation>Lumeno3D se cerrará para instalar una nueva versión.
¿Desea cerrar Lumeno3D y actualizarlo?</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>Opciones gráficas</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>Color del modelo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
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
        <translation>Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Buscar actualizaciones al iniciar</translation>
    </message>
    <message>
        <source>Reduction method</source>
        <translation>Método de reducción</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</source>
        <translation>Ha cambiado el idioma de la interfaz de Lumeno3D.

El cambio no se aplicará hasta que reinicie Lumeno3D.</translation>
    </message>
    <message>
        <source>Ask before saving a file that cannot hold all the model carries</source>
        <translation>Preguntar antes de guardar un archivo que no puede contener todo lo que lleva el modelo</translation>
    </message>
    <message>
        <source>Up axis in the first view of a model</source>
        <translation>Eje hacia arriba en la primera vista de un modelo</translation>
    </message>
    <message>
        <source>Automatic: Z for 3MF and printer parts, else Y</source>
        <translation>Automático: Z para 3MF y piezas de impresora, si no Y</translation>
    </message>
    <message>
        <source>Y up</source>
        <translation>Y hacia arriba</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z hacia arriba</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>Estos tamaños no se pueden aplicar: cada tamaño debe ser mayor que 0 y el modelo escalado debe quedar dentro de las coordenadas que puede contener un archivo de modelo.</translation>
    </message>
    <message>
        <source>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</source>
        <translation>Proporciones conservadas: un tamaño nuevo en un eje escala los tres ejes por igual. Haga clic para definir el tamaño de cada eje por separado.</translation>
    </message>
    <message>
        <source>Each axis is sized on its own. Click to keep the proportions.</source>
        <translation>El tamaño de cada eje se define por separado. Haga clic para conservar las proporciones.</translation>
    </message>
    <message>
        <source>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</source>
        <translation>Esta rotación no se puede aplicar: el modelo girado no quedaría dentro de las coordenadas que puede contener un archivo de modelo. Elija otros ángulos o tamaños más pequeños.</translation>
    </message>
    <message>
        <source>Size (%1)</source>
        <translation>Tamaño (%1)</translation>
    </message>
    <message>
        <source>The scale factor along %1: the size set divided by the model&apos;s own size</source>
        <translation>El factor de escala a lo largo de %1: el tamaño fijado dividido por el tamaño propio del modelo</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>¡Descargando la nueva versión!</translation>
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
            <numerusform>%n partes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts: %1</source>
        <translation>
            <numerusform>%n parte: %1</numerusform>
            <numerusform>%n partes: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n material</numerusform>
            <numerusform>%n materiales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials: %1</source>
        <translation>
            <numerusform>%n material: %1</numerusform>
            <numerusform>%n materiales: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn simplified to %1 triangles to fit into memory</source>
        <translation>Dibujado simplificado a %1 triángulos para que quepa en la memoria</translation>
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
        <translation>Ayuda de Lumeno3D</translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation>Lumeno3D aligera las mallas de triángulos: reduce el número de triángulos de un modelo conservando su forma y guarda el resultado.</translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation>Abrir un modelo</translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level&apos;s button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation>En cuanto se carga un modelo, Lumeno3D calcula nueve niveles que conservan del 90 al 10 por ciento de sus triángulos; el botón de cada nivel muestra el tamaño de su archivo. También puede reducir el modelo a un porcentaje propio, o tanto como lo permita una desviación máxima respecto a su forma.</translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation>Suavizar y transformar</translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation>Suavizar uniformiza la superficie del modelo de la derecha. Transformar escala y gira el modelo; ambas vistas muestran el cambio antes de que lo acepte.</translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation>Visualizar</translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation>Gire el modelo con el botón izquierdo del ratón, desplácelo con el botón central y acérquelo o aléjelo con la rueda; la vista derecha sigue a la izquierda. Los botones de la parte inferior alternan entre superficie, puntos y malla de alambre, ajustan el modelo a las vistas y lo muestran de frente, de lado, desde arriba o en perspectiva.</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation>Elija el idioma de la interfaz, el color del modelo y los colores del fondo. Un nuevo idioma se aplica en el siguiente inicio.</translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation>La última versión de esta página está en la web:</translation>
    </message>
    <message>
        <source>You can also drop a model file on the window.</source>
        <translation>También puede soltar un archivo de modelo sobre la ventana.</translation>
    </message>
    <message>
        <source>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</source>
        <translation>Deshacer y Rehacer, en el menú Editar, anulan y repiten las transformaciones y los suavizados. Cuando Nuevo, Abrir o cerrar descartaría cambios que no ha guardado, Lumeno3D pregunta antes.</translation>
    </message>
    <message>
        <source>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</source>
        <translation>Buscar actualizaciones al iniciar: cada vez que se inicia, Lumeno3D consulta su sitio web por si hay una versión más reciente y le avisa cuando la hay.</translation>
    </message>
    <message>
        <source>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</source>
        <translation>Método de reducción: Calidad crea todos los niveles en una sola pasada y se mantiene varias veces más cerca de la forma; Clásico es el método de versiones anteriores.</translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</source>
        <translation>Guardar como, en el menú Archivo, escribe el modelo que se muestra a la derecha como STL, PLY, OBJ, GLB, glTF, 3MF u OFF. PLY, GLB y glTF conservan los colores de vértice, las normales y las coordenadas de textura; un archivo glTF contiene sus propios datos, sin ningún archivo .bin al lado. Captura guarda ambas vistas como imágenes PNG.</translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation>Elija Abrir en el menú Archivo y seleccione un archivo STL, OBJ, PLY, OFF, glTF (.gltf o .glb) o 3MF. Las partes de un archivo glTF, 3MF u OBJ siguen siendo partes, cada una donde la sitúa el archivo, con sus materiales y texturas. La vista izquierda muestra el modelo tal como se cargó; la derecha, el modelo reducido. El menú Archivo también muestra los últimos archivos que ha abierto.</translation>
    </message>
    <message>
        <source>Show deviation in the View menu colours the reduced model by each point&apos;s distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</source>
        <translation>Mostrar la desviación, en el menú Ver, colorea el modelo reducido según la distancia de cada punto al modelo cargado, del azul (ninguna) al rojo oscuro (la mayor); la leyenda da la escala, y el puntero del ratón el valor que tiene debajo.</translation>
    </message>
    <message>
        <source>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</source>
        <translation>Guardar los niveles en un solo archivo escribe el modelo y sus nueve niveles en un solo archivo GLB como niveles de detalle, que leen los motores de juegos y web.</translation>
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
        <translation>Barra de herramientas principal</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>Diezmado por porcentaje</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>Diezmado por error</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>Barra de herramientas inferior</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>Crear una captura</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformar</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suavizar</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Modo de visualización</translation>
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
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>Salir de Lumeno3D</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>El archivo </translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation> no existe.</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>Error al abrir </translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Guardar modelo</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>Archivo PNG (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>Guardar captura</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>No se ha podido codificar la imagen.</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>No se ha podido guardar la captura en %1.
%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation>Porcentaje personalizado...</translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation>Conservar el porcentaje de triángulos que escriba</translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation>Límite de error personalizado...</translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation>Eliminar triángulos mientras lo permita un límite de error que escriba, como fracción de la diagonal del cuadro delimitador</translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation>Límite de error del filtro, como fracción de la diagonal del cuadro delimitador:</translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation>Porcentaje de triángulos que se conservan, de %1 a %2:</translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation>No se puede conservar el %1% de los triángulos: escriba un porcentaje de %2 a %3. El modelo mostrado se queda como está.</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Suavizado</translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation>Se ha quitado de los archivos recientes.</translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation>Si se ha movido o se le ha cambiado el nombre, ábralo desde su nueva ubicación.</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation>No hay ningún modelo cargado en Lumeno3D.</translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation>Abra primero un modelo.</translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation>Elija otro nombre u otra carpeta y vuelva a guardar.</translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation>desviación máx. %1 %, media %2 %</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>¿Desea guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation>La transformación o el suavizado del modelo se perderá si no lo guarda.</translation>
    </message>
    <message>
        <source>One model is open at a time: only %1 was opened.</source>
        <translation>Solo se abre un modelo a la vez: solo se ha abierto %1.</translation>
    </message>
    <message>
        <source>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</source>
        <translation>Todos los modelos (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;Archivo STL (*.stl);; Archivo PLY (*.ply);; Archivo OBJ (*.obj);; Archivo OFF (*.off);; Archivo glTF (*.gltf *.glb);; Archivo 3MF (*.3mf)</translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</source>
        <translation>Compruebe que sea un archivo STL, OBJ, PLY, OFF, glTF, GLB o 3MF completo, o vuelva a exportarlo.</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</source>
        <translation>Archivo STL (*.stl);; Archivo PLY (*.ply);; Archivo OBJ (*.obj);; Archivo GLB (*.glb);; Archivo glTF (*.gltf);; Archivo 3MF (*.3mf);; Archivo OFF (*.off)</translation>
    </message>
    <message>
        <source>Error bound %1</source>
        <translation>Límite de error %1</translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, %1 of the bounding box diagonal, allows</source>
        <translation>Eliminar triángulos mientras lo permita el límite de error del filtro, %1 de la diagonal del cuadro delimitador</translation>
    </message>
    <message>
        <source>%1 cannot hold all that this model carries. Not saved:</source>
        <translation>%1 no puede contener todo lo que lleva este modelo. No se guarda:</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Guardar de todos modos</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
    <message>
        <source>The question can be turned on again in the Preferences.</source>
        <translation>La pregunta puede volver a activarse en las Preferencias.</translation>
    </message>
    <message>
        <source>The %1% level was not made: click to make the missing levels.</source>
        <translation>El nivel del %1% no se hizo: haga clic para hacer los niveles que faltan.</translation>
    </message>
    <message>
        <source>Open a model with %1 &gt; %2 (%3)</source>
        <translation>Abra un modelo con %1 &gt; %2 (%3)</translation>
    </message>
    <message>
        <source>or drop a model file here</source>
        <translation>o suelte aquí un archivo de modelo</translation>
    </message>
    <message>
        <source>(STL, OBJ, PLY, OFF, glTF or 3MF).</source>
        <translation>(STL, OBJ, PLY, OFF, glTF o 3MF).</translation>
    </message>
    <message>
        <source>The files opened last are at the end of the %1 menu.</source>
        <translation>Los últimos archivos abiertos están al final del menú %1.</translation>
    </message>
    <message>
        <source>The reduced model appears here.</source>
        <translation>El modelo reducido aparece aquí.</translation>
    </message>
    <message>
        <source>Save parts as one &amp;model</source>
        <translation>Guardar las partes como un solo &amp;modelo</translation>
    </message>
    <message>
        <source>Saves the parts of a model of several parts as one part, as they are drawn</source>
        <translation>Guarda las partes de un modelo de varias partes como una sola, tal como se dibujan</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Save &amp;levels as one file...</source>
        <translation>Guardar los nive&amp;les en un solo archivo...</translation>
    </message>
    <message>
        <source>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</source>
        <translation>Guarda el modelo y sus nueve niveles como niveles de detalle en un solo archivo GLB, que leen los motores de juegos y web</translation>
    </message>
    <message>
        <source>Show &amp;deviation</source>
        <translation>Mostrar la &amp;desviación</translation>
    </message>
    <message>
        <source>Colour the reduced model by each point&apos;s distance to the loaded model</source>
        <translation>Colorea el modelo reducido según la distancia de cada punto al modelo cargado</translation>
    </message>
    <message>
        <source>Save levels as one file</source>
        <translation>Guardar los niveles en un solo archivo</translation>
    </message>
    <message>
        <source>GLB file (*.glb)</source>
        <translation>Archivo GLB (*.glb)</translation>
    </message>
</context>
<context>
    <name>ModelDocument</name>
    <message>
        <source>Opening file...</source>
        <translation>Abriendo archivo...</translation>
    </message>
    <message>
        <source>%1 polygons without area could not be made into triangles and were left out.</source>
        <translation>%1 polígonos sin área no se pudieron convertir en triángulos y se omitieron.</translation>
    </message>
    <message>
        <source>Opening cancelled. The right view still shows %1.</source>
        <translation>Apertura cancelada. La vista derecha sigue mostrando %1.</translation>
    </message>
    <message>
        <source>Opening cancelled.</source>
        <translation>Apertura cancelada.</translation>
    </message>
    <message>
        <source>Cancelled. The right view now shows %1.</source>
        <translation>Cancelado. La vista derecha muestra ahora %1.</translation>
    </message>
    <message>
        <source>Cancelled. The right view still shows %1.</source>
        <translation>Cancelado. La vista derecha sigue mostrando %1.</translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation>Diezmando al %1%...</translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation>Diezmando hasta el límite de error %1...</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>Suavizando...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</source>
        <translation>Listo, pero el modelo no se puede reducir tanto: se conserva el %1% de los triángulos, no el %2% solicitado.</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</source>
        <translation>Listo, pero el modelo no se puede reducir tanto: el nivel del %1% conserva el %2% de los triángulos.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Saved to %1; %2</source>
        <translation>Guardado en %1; %2</translation>
    </message>
    <message>
        <source>Done, but %1% of the triangles are kept, fewer than the %2% asked.</source>
        <translation>Listo, pero se conserva el %1% de los triángulos, menos que el %2% solicitado.</translation>
    </message>
    <message>
        <source>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</source>
        <translation>Listo, pero el nivel del %1% conserva el %2% de los triángulos, menos de lo solicitado.</translation>
    </message>
    <message>
        <source>Not enough memory for this operation: the right view still shows %1.</source>
        <translation>No hay memoria suficiente para esta operación: la vista derecha sigue mostrando %1.</translation>
    </message>
    <message>
        <source>Not enough memory for the %1% level: the levels above it are kept.</source>
        <translation>No hay memoria suficiente para el nivel del %1%: se conservan los niveles superiores.</translation>
    </message>
    <message>
        <source>Making the levels again with the engine chosen: %1 of %2...</source>
        <translation>Rehaciendo los niveles con el motor elegido: %1 de %2...</translation>
    </message>
    <message>
        <source>Making the levels: %1 of %2...</source>
        <translation>Haciendo los niveles: %1 de %2...</translation>
    </message>
    <message>
        <source>The button of a level not made makes the missing levels.</source>
        <translation>El botón de un nivel no hecho hace los niveles que faltan.</translation>
    </message>
    <message>
        <source>Saving to %1...</source>
        <translation>Guardando en %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</source>
        <translation>
            <numerusform>%n textura no se pudo leer como imagen: %1. Su material se dibuja en su color simple.</numerusform>
            <numerusform>%n texturas no se pudieron leer como imágenes: %1. Sus materiales se dibujan en su color simple.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>To reach the triangle count, borders and texture seams were allowed to move off their lines.</source>
        <translation>Para alcanzar el número de triángulos, se permitió que los bordes y las costuras de textura salieran de sus líneas.</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>This file doesn&apos;t exist.</source>
        <translation>Este archivo no existe.</translation>
    </message>
    <message>
        <source>This is a folder, not a model file.</source>
        <translation>Esto es una carpeta, no un archivo de modelo.</translation>
    </message>
    <message>
        <source>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</source>
        <translation>Esto no es un archivo en un disco, sino una tubería, un dispositivo o un socket: Lumeno3D solo abre archivos de modelo.</translation>
    </message>
    <message>
        <source>This file is empty: it holds no model.</source>
        <translation>Este archivo está vacío: no contiene ningún modelo.</translation>
    </message>
    <message>
        <source>This file cannot be read: %1.</source>
        <translation>No se puede leer este archivo: %1.</translation>
    </message>
    <message>
        <source>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</source>
        <translation>Este archivo ha cambiado mientras se leía; puede que otro programa aún lo esté escribiendo. Vuelva a abrirlo cuando esté completo.</translation>
    </message>
    <message>
        <source>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</source>
        <translation>Lumeno3D no ha podido guardar su copia de trabajo de este archivo en la carpeta temporal %1; puede que esté llena.</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>Este archivo parece estar dañado y no se puede cargar.</translation>
    </message>
    <message>
        <source>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</source>
        <translation>Este archivo no contiene triángulos con área, solo puntos o líneas (por ejemplo, una nube de puntos): Lumeno3D reduce mallas de triángulos.</translation>
    </message>
    <message>
        <source>All points of this model lie at one place: it has no surface to show or reduce.</source>
        <translation>Todos los puntos de este modelo están en el mismo lugar: no tiene ninguna superficie que mostrar o reducir.</translation>
    </message>
    <message>
        <source>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</source>
        <translation>Lumeno3D lee archivos STL, OBJ, PLY, OFF, glTF, GLB y 3MF: elija un archivo cuyo nombre termine en .stl, .obj, .ply, .off, .gltf, .glb o .3mf.</translation>
    </message>
    <message>
        <source>The file %1, which holds this model&apos;s data, is missing beside it or cannot be read: copy it into the same folder.</source>
        <translation>El archivo %1, que contiene los datos de este modelo, no está junto a él o no se puede leer: cópielo en la misma carpeta.</translation>
    </message>
    <message>
        <source>This file needs %1, which Lumeno3D cannot read: export it again without it.</source>
        <translation>Este archivo necesita %1, que Lumeno3D no puede leer: vuelva a exportarlo sin ello.</translation>
    </message>
    <message numerus="yes">
        <source>%n parts were merged into one model.</source>
        <translation>
            <numerusform>%n parte se ha fusionado en un solo modelo.</numerusform>
            <numerusform>%n partes se han fusionado en un solo modelo.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s materials and textures are not kept: they are not saved with the model.</source>
        <translation>Los materiales y las texturas de este archivo no se conservan: no se guardan con el modelo.</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of points or lines were left out: they have no triangles.</source>
        <translation>
            <numerusform>Se ha omitido %n grupo de puntos o líneas: no tiene triángulos.</numerusform>
            <numerusform>Se han omitido %n grupos de puntos o líneas: no tienen triángulos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The colours of this file&apos;s faces are left out: Lumeno3D keeps vertex colours only.</source>
        <translation>Los colores de las caras de este archivo se omiten: Lumeno3D solo conserva los colores de vértice.</translation>
    </message>
    <message>
        <source>JSON nested %1 levels deep</source>
        <translation>JSON anidado a %1 niveles de profundidad</translation>
    </message>
    <message>
        <source>nodes nested %1 levels deep</source>
        <translation>nodos anidados a %1 niveles de profundidad</translation>
    </message>
    <message>
        <source>%1 placed nodes</source>
        <translation>%1 nodos colocados</translation>
    </message>
    <message>
        <source>%1 placed parts</source>
        <translation>%1 partes colocadas</translation>
    </message>
    <message>
        <source>%1 points or triangles in all its parts</source>
        <translation>%1 puntos o triángulos en todas sus partes</translation>
    </message>
    <message>
        <source>This file is larger than the %1 Lumeno3D reads.</source>
        <translation>Este archivo es más grande que los %1 que lee Lumeno3D.</translation>
    </message>
    <message>
        <source>There is not enough memory for reading this file: close other programs and open it again.</source>
        <translation>No hay memoria suficiente para leer este archivo: cierre otros programas y vuelva a abrirlo.</translation>
    </message>
    <message>
        <source>This file holds more than Lumeno3D reads: %1.</source>
        <translation>Este archivo contiene más de lo que lee Lumeno3D: %1.</translation>
    </message>
    <message>
        <source>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</source>
        <translation>glTF 1.0 no es compatible; Lumeno3D lee glTF 2.0.</translation>
    </message>
    <message>
        <source>This glTF file holds no meshes: there is no surface to show or reduce.</source>
        <translation>Este archivo glTF no contiene mallas: no hay ninguna superficie que mostrar o reducir.</translation>
    </message>
    <message>
        <source>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</source>
        <translation>Este archivo solo contiene puntos, no triángulos: Lumeno3D reduce mallas de triángulos.</translation>
    </message>
    <message>
        <source>This 3MF file places no object on its build plate: it has no build items.</source>
        <translation>Este archivo 3MF no coloca ningún objeto en su placa de impresión: no tiene elementos de construcción.</translation>
    </message>
    <message>
        <source>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</source>
        <translation>Este archivo hace referencia a %1, que no es un archivo de su propia carpeta: Lumeno3D solo lee archivos que están junto al modelo.</translation>
    </message>
    <message>
        <source>This file&apos;s %1 are left out: only some of its parts or faces carry them.</source>
        <translation>Este archivo solo tiene %1 en algunas de sus partes o caras: estos datos se omiten.</translation>
    </message>
    <message>
        <source>This file gives its sizes in the unit &quot;%1&quot;; they were converted to millimetres.</source>
        <translation>Este archivo indica sus tamaños en la unidad «%1»; se han convertido a milímetros.</translation>
    </message>
    <message>
        <source>%1 vertices or face corners</source>
        <translation>%1 vértices o esquinas de caras</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot;</source>
        <translation>la unidad «%1»</translation>
    </message>
    <message>
        <source>components nested more than %1 deep</source>
        <translation>componentes anidados a más de %1 niveles de profundidad</translation>
    </message>
    <message>
        <source>more than %1 placed objects</source>
        <translation>más de %1 objetos colocados</translation>
    </message>
    <message>
        <source>more than %1 MiB of text without a tag</source>
        <translation>más de %1 MiB de texto sin etiqueta</translation>
    </message>
    <message>
        <source>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</source>
        <translation>Faltan bibliotecas de materiales junto a este modelo o están fuera de su carpeta: %1. Sus materiales se muestran en un color simple.</translation>
    </message>
    <message>
        <source>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</source>
        <translation>Faltan texturas junto a este modelo, están fuera de su carpeta o no se pueden leer: %1. Sus materiales se muestran en sus colores simples.</translation>
    </message>
    <message>
        <source>%1 materials or %2 groups</source>
        <translation>%1 materiales o %2 grupos</translation>
    </message>
    <message>
        <source>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</source>
        <translation>Este modelo de unos %1 triángulos necesita unos %2 de memoria para abrirse y crear sus niveles, pero solo hay %3 disponibles: cierre otros programas o ábralo en un ordenador con más memoria.</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>No se ha podido guardar el modelo en %1.
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>No se ha podido crear un archivo temporal en la misma carpeta.</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>Error al escribir el archivo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>No hay ningún modelo que guardar.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>El archivo está protegido contra escritura.</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>El modelo no tiene triángulos.</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>El modelo tiene coordenadas que no son números finitos.</translation>
    </message>
    <message>
        <source>%1 are not saved: STL files hold the triangles only.</source>
        <translation>%1 no se guardan: los archivos STL solo contienen los triángulos.</translation>
    </message>
    <message>
        <source>%1 are not saved: OBJ files hold normals and texture coordinates only.</source>
        <translation>%1 no se guardan: los archivos OBJ solo contienen normales y coordenadas de textura.</translation>
    </message>
    <message>
        <source>%1 are not saved: OFF files hold vertex colours only.</source>
        <translation>%1 no se guardan: los archivos OFF solo contienen colores de vértice.</translation>
    </message>
    <message>
        <source>%1 are not saved: 3MF files hold vertex colours only.</source>
        <translation>%1 no se guardan: los archivos 3MF solo contienen colores de vértice.</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</source>
        <translation>%1 no se ha guardado: un modelo solo se puede guardar como archivo STL, PLY, OBJ, GLB, glTF, 3MF u OFF.</translation>
    </message>
    <message>
        <source>There is not enough memory for writing it: close other programs and save again.</source>
        <translation>No hay memoria suficiente para escribirlo: cierre otros programas y vuelva a guardar.</translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n material</numerusform>
            <numerusform>%n materiales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n textures</source>
        <translation>
            <numerusform>%n textura</numerusform>
            <numerusform>%n texturas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n parte, guardada como un solo modelo</numerusform>
            <numerusform>%n partes, guardadas como un solo modelo</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</source>
        <translation>no guardado: %1. Los archivos 3MF solo contienen las texturas de color base de modelos con coordenadas de textura.</translation>
    </message>
    <message>
        <source>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</source>
        <translation>no guardado: %1. Los archivos glTF solo contienen imágenes PNG y JPEG, y una imagen que falta no se puede guardar.</translation>
    </message>
    <message>
        <source>not saved: %1. %2 files hold no materials, textures or parts.</source>
        <translation>no guardado: %1. Los archivos %2 no contienen materiales, texturas ni partes.</translation>
    </message>
    <message>
        <source>%1 was not saved: the levels are saved in one file as GLB only.</source>
        <translation>%1 no se guardó: los niveles en un solo archivo solo se guardan como GLB.</translation>
    </message>
</context>
<context>
    <name>PointAttributes</name>
    <message>
        <source>vertex colours</source>
        <translation>colores de vértice</translation>
    </message>
    <message>
        <source>normals</source>
        <translation>normales</translation>
    </message>
    <message>
        <source>texture coordinates</source>
        <translation>coordenadas de textura</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
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
        <translation>materiales y texturas</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n parte, guardada como un solo modelo</numerusform>
            <numerusform>%n partes, guardadas como un solo modelo</numerusform>
        </translation>
    </message>
    <message>
        <source>The materials and parts that reading the file could not keep are not in the model.</source>
        <translation>Los materiales y partes que la lectura del archivo no pudo conservar no están en el modelo.</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Transformación</translation>
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
        <translation>Rotación</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
</TS>
