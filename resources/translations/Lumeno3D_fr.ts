<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>More Details</source>
        <translation>Plus de détails</translation>
    </message>
</context>
<context>
    <name>DialogAboutQt</name>
    <message>
        <source>About Qt</source>
        <translation>À propos de Qt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>DialogNotificationUpdateReady</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>New version downloaded!</source>
        <translation>Nouvelle version téléchargée&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Install New Version!</source>
        <translation>&amp;Installer la nouvelle version&#xa0;!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?
(Changes will be lost if you didn&apos;t save them).</source>
        <translation>Lumeno3D va se fermer pour installer une nouvelle version.
Voulez-vous fermer Lumeno3D et le mettre à jour&#xa0;?
(Les modifications non enregistrées seront perdues.)</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Graphic Options</source>
        <translation>Options graphiques</translation>
    </message>
    <message>
        <source>Model Color</source>
        <translation>Couleur du modèle</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>You have changed the language used to display Lumeno3D user interface 

This change will not take effect until you restart Lumeno3D</source>
        <translation>Vous avez modifié la langue de l&apos;interface de Lumeno3D.

Ce changement ne prendra effet qu&apos;au prochain démarrage de Lumeno3D.</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>Ces tailles ne peuvent pas être appliquées : chaque taille doit être supérieure à 0, et le modèle mis à l’échelle doit rester dans les coordonnées qu’un fichier de modèle peut contenir.</translation>
    </message>
</context>
<context>
    <name>DialogUpdater</name>
    <message>
        <source>Downloading new version!</source>
        <translation>Téléchargement de la nouvelle version&#xa0;!</translation>
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
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barre d&apos;outils principale</translation>
    </message>
    <message>
        <source>Decimation by percentage</source>
        <translation>Décimation par pourcentage</translation>
    </message>
    <message>
        <source>Decimation by error</source>
        <translation>Décimation par erreur</translation>
    </message>
    <message>
        <source>Bottom toolbar</source>
        <translation>Barre d&apos;outils inférieure</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Create a snapshot</source>
        <translation>Créer une capture</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Lisser</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Mode d&apos;affichage</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Front view</source>
        <translation>Vue de face</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>Vue de côté</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>Vue de dessus</translation>
    </message>
    <message>
        <source>Perspective view</source>
        <translation>Vue en perspective</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit from Lumeno3D</source>
        <translation>Quitter Lumeno3D</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Type the maximum error:</source>
        <translation>Saisissez l&apos;erreur maximale&#xa0;:</translation>
    </message>
    <message>
        <source>Type the percentage:</source>
        <translation>Saisissez le pourcentage&#xa0;:</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>Lissage...</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>All files (*.stl *.obj *.ply);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>Tous les fichiers (*.stl *.obj *.ply);;Fichier STL (*.stl);; Fichier PLY (*.ply);; Fichier OBJ (*.obj)</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>Le fichier </translation>
    </message>
    <message>
        <source> doesn&apos;t exist.</source>
        <translation> n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Error opening </source>
        <translation>Erreur lors de l&apos;ouverture de </translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>Ce fichier semble endommagé et ne peut pas être chargé.</translation>
    </message>
    <message>
        <source>Opening file...</source>
        <translation>Ouverture du fichier...</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno</source>
        <translation>Aucun modèle n&apos;est chargé dans Lumeno</translation>
    </message>
    <message>
        <source>STL file (*.stl)</source>
        <translation>Fichier STL (*.stl)</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Enregistrer le modèle</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)</source>
        <translation>Fichier STL (*.stl);; Fichier PLY (*.ply);; Fichier OBJ (*.obj)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>Fichier PNG (*.png)</translation>
    </message>
    <message>
        <source>Save snapshot</source>
        <translation>Enregistrer la capture</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>Impossible d&apos;encoder l&apos;image.</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.
%2</source>
        <translation>Impossible d&apos;enregistrer la capture dans %1.
%2</translation>
    </message>
    <message>
        <source>Decimating 90%...</source>
        <translation>Décimation à 90%...</translation>
    </message>
    <message>
        <source>Decimating 80%...</source>
        <translation>Décimation à 80%...</translation>
    </message>
    <message>
        <source>Decimating 70%...</source>
        <translation>Décimation à 70%...</translation>
    </message>
    <message>
        <source>Decimating 60%...</source>
        <translation>Décimation à 60%...</translation>
    </message>
    <message>
        <source>Decimating 50%...</source>
        <translation>Décimation à 50%...</translation>
    </message>
    <message>
        <source>Decimating 40%...</source>
        <translation>Décimation à 40%...</translation>
    </message>
    <message>
        <source>Decimating 30%...</source>
        <translation>Décimation à 30%...</translation>
    </message>
    <message>
        <source>Decimating 20%...</source>
        <translation>Décimation à 20%...</translation>
    </message>
    <message>
        <source>Decimating 10%...</source>
        <translation>Décimation à 10%...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ModelWriter</name>
    <message>
        <source>The model could not be saved to %1.
%2</source>
        <translation>Impossible d&apos;enregistrer le modèle dans %1.
%2</translation>
    </message>
    <message>
        <source>No temporary file could be created beside it.</source>
        <translation>Impossible de créer un fichier temporaire dans le même dossier.</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>L&apos;écriture du fichier a échoué.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY or OBJ file only.</source>
        <translation>%1 n&apos;a pas été enregistré&#xa0;: un modèle ne peut être enregistré qu&apos;en fichier STL, PLY ou OBJ.</translation>
    </message>
    <message>
        <source>There is no model to save.</source>
        <translation>Il n&apos;y a aucun modèle à enregistrer.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Le fichier est protégé en écriture.</translation>
    </message>
    <message>
        <source>The model has no triangles.</source>
        <translation>Le modèle n’a aucun triangle.</translation>
    </message>
    <message>
        <source>The model has coordinates that are not finite numbers.</source>
        <translation>Le modèle a des coordonnées qui ne sont pas des nombres finis.</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Transformation</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
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
        <translation>Réinitialiser</translation>
    </message>
</context>
</TS>
