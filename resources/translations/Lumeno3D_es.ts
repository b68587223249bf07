<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?
(Changes will be lost if you didn&apos;t save them).</source>
        <translation>Lumeno3D se cerrará para instalar una nueva versión.
¿Desea cerrar Lumeno3D y actualizarlo?
(Se perderán los cambios que no haya guardado).</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
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
        <source>You have changed the language used to display Lumeno3D user interface 

This change will not take effect until you restart Lumeno3D</source>
        <translation>Ha cambiado el idioma de la interfaz de Lumeno3D.

El cambio no se aplicará hasta que reinicie Lumeno3D.</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>Estos tamaños no se pueden aplicar: cada tamaño debe ser mayor que 0 y el modelo escalado debe quedar dentro de las coordenadas que puede contener un archivo de modelo.</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Lumeno3D</source>
        <translation>Lumeno3D</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
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
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
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
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Type the maximum error:</source>
        <translation>Escriba el error máximo:</translation>
    </message>
    <message>
        <source>Type the percentage:</source>
        <translation>Escriba el porcentaje:</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>Suavizando...</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>All files (*.stl *.obj *.ply);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>Todos los archivos (*.stl *.obj *.ply);;Archivo STL (*.stl);; Archivo PLY (*.ply);; Archivo OBJ (*.obj)</translation>
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
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>Este archivo parece estar dañado y no se puede cargar.</translation>
    </message>
    <message>
        <source>Opening file...</source>
        <translation>Abriendo archivo...</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno</source>
        <translation>No hay ningún modelo cargado en Lumeno</translation>
    </message>
    <message>
        <source>STL file (*.stl)</source>
        <translation>Archivo STL (*.stl)</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Guardar modelo</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>Archivo STL (*.stl);; Archivo PLY (*.ply);; Archivo OBJ (*.obj)</translation>
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
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <source>%1 was not saved: a model can be saved as an STL, PLY or OBJ file only.</source>
        <translation>%1 no se ha guardado: un modelo solo se puede guardar como archivo STL, PLY u OBJ.</translation>
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
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Transformación</translation>
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
        <translation>Rotación</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
</context>
</TS>
