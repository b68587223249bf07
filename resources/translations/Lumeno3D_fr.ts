<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DecimationLevels</name>
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
</context>
<context>
    <name>DeviationPicture</name>
    <message>
        <source>Deviation, % of the diagonal</source>
        <translation>Écart, % de la diagonale</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Deviation here: %1 % of the diagonal</source>
        <translation>Écart ici : %1 % de la diagonale</translation>
    </message>
</context>
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
        <source>Lumeno3D %1 is available.</source>
        <translation>Lumeno3D %1 est disponible.</translation>
    </message>
    <message>
        <source>&amp;Open the download page</source>
        <translation>&amp;Ouvrir la page de téléchargement</translation>
    </message>
    <message>
        <source>Lumeno3D is going to close to install a new version.
Do you want to close Lumeno3D and update it?</source>
        <translation>Lumeno3D va se fermer pour installer une nouvelle version.
Voulez-vous fermer Lumeno3D et le mettre à jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>DialogPreferences</name>
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
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Rechercher les mises à jour au démarrage</translation>
    </message>
    <message>
        <source>Reduction method</source>
        <translation>Méthode de réduction</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>You have changed the language used to display the Lumeno3D user interface.

This change will not take effect until you restart Lumeno3D.</source>
        <translation>Vous avez modifié la langue de l&apos;interface de Lumeno3D.

Ce changement ne prendra effet qu&apos;au prochain démarrage de Lumeno3D.</translation>
    </message>
    <message>
        <source>Ask before saving a file that cannot hold all the model carries</source>
        <translation>Demander avant d&apos;enregistrer un fichier qui ne peut pas contenir tout ce que porte le modèle</translation>
    </message>
    <message>
        <source>Up axis in the first view of a model</source>
        <translation>Axe vers le haut dans la première vue d&apos;un modèle</translation>
    </message>
    <message>
        <source>Automatic: Z for 3MF and printer parts, else Y</source>
        <translation>Automatique : Z pour le 3MF et les pièces d&apos;impression, sinon Y</translation>
    </message>
    <message>
        <source>Y up</source>
        <translation>Y vers le haut</translation>
    </message>
    <message>
        <source>Z up</source>
        <translation>Z vers le haut</translation>
    </message>
</context>
<context>
    <name>DialogTransform</name>
    <message>
        <source>These sizes cannot be applied: every size must be greater than 0, and the scaled model must stay within the coordinates a model file can hold.</source>
        <translation>Ces tailles ne peuvent pas être appliquées : chaque taille doit être supérieure à 0, et le modèle mis à l’échelle doit rester dans les coordonnées qu’un fichier de modèle peut contenir.</translation>
    </message>
    <message>
        <source>Proportions kept: a new size along one axis scales all three alike. Click to size each axis on its own.</source>
        <translation>Proportions conservées&#xa0;: une nouvelle taille sur un axe met les trois axes à l&apos;échelle de la même façon. Cliquez pour dimensionner chaque axe séparément.</translation>
    </message>
    <message>
        <source>Each axis is sized on its own. Click to keep the proportions.</source>
        <translation>Chaque axe est dimensionné séparément. Cliquez pour conserver les proportions.</translation>
    </message>
    <message>
        <source>This rotation cannot be applied: the rotated model would not stay within the coordinates a model file can hold. Choose other angles or smaller sizes.</source>
        <translation>Cette rotation ne peut pas être appliquée&#xa0;: le modèle pivoté ne resterait pas dans les coordonnées qu&apos;un fichier de modèle peut contenir. Choisissez d&apos;autres angles ou des tailles plus petites.</translation>
    </message>
    <message>
        <source>Size (%1)</source>
        <translation>Taille (%1)</translation>
    </message>
    <message>
        <source>The scale factor along %1: the size set divided by the model&apos;s own size</source>
        <translation>Le facteur d&apos;échelle selon %1 : la taille choisie divisée par la taille propre du modèle</translation>
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
    <name>DualView</name>
    <message>
        <source>With %1</source>
        <translation>Avec %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parts</source>
        <translation>
            <numerusform>%n partie</numerusform>
            <numerusform>%n parties</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parts: %1</source>
        <translation>
            <numerusform>%n partie : %1</numerusform>
            <numerusform>%n parties : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n matériau</numerusform>
            <numerusform>%n matériaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n materials: %1</source>
        <translation>
            <numerusform>%n matériau : %1</numerusform>
            <numerusform>%n matériaux : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Drawn simplified to %1 triangles to fit into memory</source>
        <translation>Affiché simplifié à %1 triangles pour tenir en mémoire</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>%1 kB</source>
        <translation>%1 ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Lumeno3D Help</source>
        <translation>Aide de Lumeno3D</translation>
    </message>
    <message>
        <source>Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a model while keeping its shape, and saves the result.</source>
        <translation>Lumeno3D allège les maillages triangulaires&#xa0;: il réduit le nombre de triangles d&apos;un modèle tout en conservant sa forme, et enregistre le résultat.</translation>
    </message>
    <message>
        <source>Opening a model</source>
        <translation>Ouvrir un modèle</translation>
    </message>
    <message>
        <source>Reducing</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to 10 percent of its triangles; each level&apos;s button shows the size of its file. You can also reduce the model to a percentage of your own, or as far as a maximum deviation from its shape allows.</source>
        <translation>Dès qu&apos;un modèle est chargé, Lumeno3D calcule neuf niveaux qui conservent de 90 à 10 pour cent de ses triangles&#xa0;; le bouton de chaque niveau indique la taille de son fichier. Vous pouvez aussi réduire le modèle au pourcentage de votre choix, ou aussi loin que le permet un écart maximal par rapport à sa forme.</translation>
    </message>
    <message>
        <source>Smoothing and transforming</source>
        <translation>Lisser et transformer</translation>
    </message>
    <message>
        <source>Smooth evens out the surface of the model on the right. Transform scales and rotates the model; both views show the change before you accept it.</source>
        <translation>Lisser uniformise la surface du modèle de droite. Transformer met le modèle à l&apos;échelle et le fait pivoter&#xa0;; les deux vues montrent la modification avant que vous ne l&apos;acceptiez.</translation>
    </message>
    <message>
        <source>Viewing</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Turn the model with the left mouse button, move it with the middle button and zoom with the wheel; the right view follows the left one. The buttons at the bottom switch between surface, points and wireframe, fit the model into the views, and show it from the front, the side, the top or in perspective.</source>
        <translation>Faites tourner le modèle avec le bouton gauche de la souris, déplacez-le avec le bouton du milieu et zoomez avec la molette&#xa0;; la vue de droite suit celle de gauche. Les boutons du bas basculent entre surface, points et fil de fer, ajustent le modèle aux vues et le montrent de face, de côté, de dessus ou en perspective.</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Choose the language of the interface, the colour of the model and the colours of the background. A new language takes effect at the next start.</source>
        <translation>Choisissez la langue de l&apos;interface, la couleur du modèle et les couleurs de l&apos;arrière-plan. Une nouvelle langue prend effet au prochain démarrage.</translation>
    </message>
    <message>
        <source>The latest version of this page is on the web:</source>
        <translation>La dernière version de cette page se trouve sur le web&#xa0;:</translation>
    </message>
    <message>
        <source>You can also drop a model file on the window.</source>
        <translation>Vous pouvez aussi déposer un fichier de modèle sur la fenêtre.</translation>
    </message>
    <message>
        <source>Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, Open or closing would drop changes you have not saved, Lumeno3D asks first.</source>
        <translation>Annuler et Rétablir, dans le menu Édition, annulent et refont les transformations et les lissages. Lorsque Nouveau, Ouvrir ou la fermeture abandonnerait des modifications non enregistrées, Lumeno3D vous le demande d&apos;abord.</translation>
    </message>
    <message>
        <source>Check for updates at start: each time it starts, Lumeno3D asks its web site for a newer version and tells you when there is one.</source>
        <translation>Rechercher les mises à jour au démarrage&#xa0;: à chaque démarrage, Lumeno3D demande à son site web s&apos;il existe une version plus récente et vous prévient le cas échéant.</translation>
    </message>
    <message>
        <source>Reduction method: Quality makes all the levels in one pass and stays several times closer to the shape; Classic is the method of earlier versions.</source>
        <translation>Méthode de réduction : Qualité calcule tous les niveaux en une seule passe et reste plusieurs fois plus proche de la forme ; Classique est la méthode des versions précédentes.</translation>
    </message>
    <message>
        <source>Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; a glTF file holds its data itself, with no .bin file beside it. Snapshot saves both views as PNG images.</source>
        <translation>Enregistrer sous, dans le menu Fichier, écrit le modèle affiché à droite au format STL, PLY, OBJ, GLB, glTF, 3MF ou OFF. PLY, GLB et glTF conservent les couleurs de sommet, les normales et les coordonnées de texture&#xa0;; un fichier glTF contient lui-même ses données, sans fichier .bin à côté. Capture enregistre les deux vues en images PNG.</translation>
    </message>
    <message>
        <source>Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with their materials and textures. The left view shows the model as loaded, the right view the reduced model. The File menu also lists the last files you opened.</source>
        <translation>Choisissez Ouvrir dans le menu Fichier et sélectionnez un fichier STL, OBJ, PLY, OFF, glTF (.gltf ou .glb) ou 3MF. Les parties d&apos;un fichier glTF, 3MF ou OBJ restent des parties, chacune à l&apos;emplacement que lui donne le fichier, avec leurs matériaux et leurs textures. La vue de gauche montre le modèle tel qu&apos;il a été chargé, celle de droite le modèle réduit. Le menu Fichier liste aussi les derniers fichiers que vous avez ouverts.</translation>
    </message>
    <message>
        <source>Show deviation in the View menu colours the reduced model by each point&apos;s distance to the loaded model, from blue for none to dark red for the largest; the legend gives the scale, and the mouse pointer the value under it.</source>
        <translation>Afficher l&apos;écart, dans le menu Affichage, colore le modèle réduit selon la distance de chaque point au modèle chargé, du bleu (aucune) au rouge foncé (la plus grande)&#xa0;; la légende donne l&apos;échelle, et le pointeur de la souris la valeur sous lui.</translation>
    </message>
    <message>
        <source>Save levels as one file writes the model and its nine levels into one GLB file as levels of detail, which game and web engines read.</source>
        <translation>Enregistrer les niveaux en un seul fichier écrit le modèle et ses neuf niveaux dans un seul fichier GLB comme niveaux de détail, que lisent les moteurs de jeu et web.</translation>
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
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
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
        <source>Save model</source>
        <translation>Enregistrer le modèle</translation>
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
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Contenu</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Custom percentage...</source>
        <translation>Pourcentage personnalisé...</translation>
    </message>
    <message>
        <source>Keep a percentage of the triangles that you type</source>
        <translation>Conserver le pourcentage de triangles que vous saisissez</translation>
    </message>
    <message>
        <source>Custom error bound...</source>
        <translation>Borne d&apos;erreur personnalisée...</translation>
    </message>
    <message>
        <source>Remove triangles while an error bound that you type, as a share of the bounding box diagonal, allows</source>
        <translation>Supprimer des triangles tant qu&apos;une borne d&apos;erreur que vous saisissez, en fraction de la diagonale de la boîte englobante, le permet</translation>
    </message>
    <message>
        <source>Error bound of the filter, as a share of the bounding box diagonal:</source>
        <translation>Borne d&apos;erreur du filtre, en fraction de la diagonale de la boîte englobante&#xa0;:</translation>
    </message>
    <message>
        <source>Percentage of the triangles to keep, from %1 to %2:</source>
        <translation>Pourcentage de triangles à conserver, de %1 à %2&#xa0;:</translation>
    </message>
    <message>
        <source>%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model shown stays as it is.</source>
        <translation>Impossible de conserver %1% des triangles&#xa0;: saisissez un pourcentage de %2 à %3. Le modèle affiché reste tel quel.</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Lissage</translation>
    </message>
    <message>
        <source>It was removed from Recent files.</source>
        <translation>Il a été retiré des fichiers récents.</translation>
    </message>
    <message>
        <source>If it was moved or renamed, open it from its new place.</source>
        <translation>S&apos;il a été déplacé ou renommé, ouvrez-le depuis son nouvel emplacement.</translation>
    </message>
    <message>
        <source>No model is loaded into Lumeno3D.</source>
        <translation>Aucun modèle n&apos;est chargé dans Lumeno3D.</translation>
    </message>
    <message>
        <source>Open a model first.</source>
        <translation>Ouvrez d&apos;abord un modèle.</translation>
    </message>
    <message>
        <source>Choose another name or folder and save again.</source>
        <translation>Choisissez un autre nom ou un autre dossier et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>max. deviation %1 %, mean %2 %</source>
        <translation>écart max. %1 %, moyenne %2 %</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Voulez-vous enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>The transform or smoothing of the model is lost unless you save it.</source>
        <translation>La transformation ou le lissage du modèle sera perdu si vous ne l&apos;enregistrez pas.</translation>
    </message>
    <message>
        <source>One model is open at a time: only %1 was opened.</source>
        <translation>Un seul modèle est ouvert à la fois : seul %1 a été ouvert.</translation>
    </message>
    <message>
        <source>All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)</source>
        <translation>Tous les modèles (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;Fichier STL (*.stl);; Fichier PLY (*.ply);; Fichier OBJ (*.obj);; Fichier OFF (*.off);; Fichier glTF (*.gltf *.glb);; Fichier 3MF (*.3mf)</translation>
    </message>
    <message>
        <source>Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, or export it again.</source>
        <translation>Vérifiez qu&apos;il s&apos;agit d&apos;un fichier STL, OBJ, PLY, OFF, glTF, GLB ou 3MF complet, ou exportez-le à nouveau.</translation>
    </message>
    <message>
        <source>STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)</source>
        <translation>Fichier STL (*.stl);; Fichier PLY (*.ply);; Fichier OBJ (*.obj);; Fichier GLB (*.glb);; Fichier glTF (*.gltf);; Fichier 3MF (*.3mf);; Fichier OFF (*.off)</translation>
    </message>
    <message>
        <source>Error bound %1</source>
        <translation>Borne d&apos;erreur %1</translation>
    </message>
    <message>
        <source>Remove triangles while the filter&apos;s error bound, %1 of the bounding box diagonal, allows</source>
        <translation>Supprimer des triangles tant que la borne d&apos;erreur du filtre, %1 de la diagonale de la boîte englobante, le permet</translation>
    </message>
    <message>
        <source>%1 cannot hold all that this model carries. Not saved:</source>
        <translation>%1 ne peut pas contenir tout ce que porte ce modèle. Ne sera pas enregistré :</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Enregistrer quand même</translation>
    </message>
    <message>
        <source>Do not ask again</source>
        <translation>Ne plus demander</translation>
    </message>
    <message>
        <source>The question can be turned on again in the Preferences.</source>
        <translation>La question peut être réactivée dans les Préférences.</translation>
    </message>
    <message>
        <source>The %1% level was not made: click to make the missing levels.</source>
        <translation>Le niveau %1 % n&apos;a pas été fait : cliquez pour faire les niveaux manquants.</translation>
    </message>
    <message>
        <source>Open a model with %1 &gt; %2 (%3)</source>
        <translation>Ouvrez un modèle avec %1 &gt; %2 (%3)</translation>
    </message>
    <message>
        <source>or drop a model file here</source>
        <translation>ou déposez ici un fichier de modèle</translation>
    </message>
    <message>
        <source>(STL, OBJ, PLY, OFF, glTF or 3MF).</source>
        <translation>(STL, OBJ, PLY, OFF, glTF ou 3MF).</translation>
    </message>
    <message>
        <source>The files opened last are at the end of the %1 menu.</source>
        <translation>Les derniers fichiers ouverts sont à la fin du menu %1.</translation>
    </message>
    <message>
        <source>The reduced model appears here.</source>
        <translation>Le modèle réduit apparaît ici.</translation>
    </message>
    <message>
        <source>Save parts as one &amp;model</source>
        <translation>Enregistrer les parties en un seul &amp;modèle</translation>
    </message>
    <message>
        <source>Saves the parts of a model of several parts as one part, as they are drawn</source>
        <translation>Enregistre les parties d’un modèle en plusieurs parties comme une seule, telles qu’elles sont dessinées</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Save &amp;levels as one file...</source>
        <translation>Enregistrer les ni&amp;veaux en un seul fichier...</translation>
    </message>
    <message>
        <source>Saves the model and its nine levels as levels of detail in one GLB file, which game and web engines read</source>
        <translation>Enregistre le modèle et ses neuf niveaux comme niveaux de détail dans un seul fichier GLB, que lisent les moteurs de jeu et web</translation>
    </message>
    <message>
        <source>Show &amp;deviation</source>
        <translation>Afficher l&apos;&amp;écart</translation>
    </message>
    <message>
        <source>Colour the reduced model by each point&apos;s distance to the loaded model</source>
        <translation>Colore le modèle réduit selon la distance de chaque point au modèle chargé</translation>
    </message>
    <message>
        <source>Save levels as one file</source>
        <translation>Enregistrer les niveaux en un seul fichier</translation>
    </message>
    <message>
        <source>GLB file (*.glb)</source>
        <translation>Fichier GLB (*.glb)</translation>
    </message>
</context>
<context>
    <name>ModelDocument</name>
    <message>
        <source>Opening file...</source>
        <translation>Ouverture du fichier...</translation>
    </message>
    <message>
        <source>%1 polygons without area could not be made into triangles and were left out.</source>
        <translation>%1 polygones sans aire n&apos;ont pas pu être convertis en triangles et ont été écartés.</translation>
    </message>
    <message>
        <source>Opening cancelled. The right view still shows %1.</source>
        <translation>Ouverture annulée. La vue de droite montre toujours %1.</translation>
    </message>
    <message>
        <source>Opening cancelled.</source>
        <translation>Ouverture annulée.</translation>
    </message>
    <message>
        <source>Cancelled. The right view now shows %1.</source>
        <translation>Annulé. La vue de droite montre maintenant %1.</translation>
    </message>
    <message>
        <source>Cancelled. The right view still shows %1.</source>
        <translation>Annulé. La vue de droite montre toujours %1.</translation>
    </message>
    <message>
        <source>Decimating %1%...</source>
        <translation>Décimation à %1%...</translation>
    </message>
    <message>
        <source>Decimating to error bound %1...</source>
        <translation>Décimation jusqu&apos;à la borne d&apos;erreur %1...</translation>
    </message>
    <message>
        <source>Smoothing...</source>
        <translation>Lissage...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% asked.</source>
        <translation>Terminé, mais le modèle ne peut pas être réduit autant&#xa0;: %1% des triangles sont conservés, et non les %2% demandés.</translation>
    </message>
    <message>
        <source>Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.</source>
        <translation>Terminé, mais le modèle ne peut pas être réduit autant&#xa0;: le niveau %1% conserve %2% des triangles.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Saved to %1; %2</source>
        <translation>Enregistré dans %1 ; %2</translation>
    </message>
    <message>
        <source>Done, but %1% of the triangles are kept, fewer than the %2% asked.</source>
        <translation>Terminé, mais %1% des triangles sont conservés, moins que les %2% demandés.</translation>
    </message>
    <message>
        <source>Done, but the %1% level keeps %2% of the triangles, fewer than asked.</source>
        <translation>Terminé, mais le niveau %1% conserve %2% des triangles, moins que demandé.</translation>
    </message>
    <message>
        <source>Not enough memory for this operation: the right view still shows %1.</source>
        <translation>Mémoire insuffisante pour cette opération : la vue de droite montre toujours %1.</translation>
    </message>
    <message>
        <source>Not enough memory for the %1% level: the levels above it are kept.</source>
        <translation>Mémoire insuffisante pour le niveau %1% : les niveaux supérieurs sont conservés.</translation>
    </message>
    <message>
        <source>Making the levels again with the engine chosen: %1 of %2...</source>
        <translation>Nouvelle création des niveaux avec le moteur choisi : %1 sur %2...</translation>
    </message>
    <message>
        <source>Making the levels: %1 of %2...</source>
        <translation>Création des niveaux : %1 sur %2...</translation>
    </message>
    <message>
        <source>The button of a level not made makes the missing levels.</source>
        <translation>Le bouton d&apos;un niveau non fait crée les niveaux manquants.</translation>
    </message>
    <message>
        <source>Saving to %1...</source>
        <translation>Enregistrement dans %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n textures could not be read as images: %1. Their materials are drawn in their plain colour.</source>
        <translation>
            <numerusform>%n texture n’a pas pu être lue comme image : %1. Son matériau est dessiné dans sa couleur simple.</numerusform>
            <numerusform>%n textures n’ont pas pu être lues comme images : %1. Leurs matériaux sont dessinés dans leur couleur simple.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>To reach the triangle count, borders and texture seams were allowed to move off their lines.</source>
        <translation>Pour atteindre le nombre de triangles, les bords et les coutures de texture ont pu quitter leurs lignes.</translation>
    </message>
</context>
<context>
    <name>ModelReader</name>
    <message>
        <source>This file doesn&apos;t exist.</source>
        <translation>Ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>This is a folder, not a model file.</source>
        <translation>Ceci est un dossier, pas un fichier de modèle.</translation>
    </message>
    <message>
        <source>This is no file on a disk but a pipe, a device or a socket: Lumeno3D opens model files only.</source>
        <translation>Ceci n&apos;est pas un fichier sur un disque, mais un tube, un périphérique ou un socket&#xa0;: Lumeno3D n&apos;ouvre que des fichiers de modèle.</translation>
    </message>
    <message>
        <source>This file is empty: it holds no model.</source>
        <translation>Ce fichier est vide&#xa0;: il ne contient aucun modèle.</translation>
    </message>
    <message>
        <source>This file cannot be read: %1.</source>
        <translation>Impossible de lire ce fichier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>This file changed while it was being read; another program may still be writing it. Open it again once it is complete.</source>
        <translation>Ce fichier a été modifié pendant sa lecture&#xa0;; un autre programme est peut-être encore en train de l&apos;écrire. Ouvrez-le à nouveau une fois qu&apos;il est complet.</translation>
    </message>
    <message>
        <source>Lumeno3D could not store its working copy of this file in the temporary folder %1; it may be full.</source>
        <translation>Lumeno3D n&apos;a pas pu enregistrer sa copie de travail de ce fichier dans le dossier temporaire %1&#xa0;; il est peut-être plein.</translation>
    </message>
    <message>
        <source>This file seems to be corrupt and cannot be loaded.</source>
        <translation>Ce fichier semble endommagé et ne peut pas être chargé.</translation>
    </message>
    <message>
        <source>This file holds no triangles with an area, only points or lines (a point cloud, say): Lumeno3D reduces triangle meshes.</source>
        <translation>Ce fichier ne contient aucun triangle ayant une aire, seulement des points ou des lignes (un nuage de points, par exemple)&#xa0;: Lumeno3D réduit les maillages triangulaires.</translation>
    </message>
    <message>
        <source>All points of this model lie at one place: it has no surface to show or reduce.</source>
        <translation>Tous les points de ce modèle se trouvent au même endroit&#xa0;: il n&apos;a aucune surface à afficher ou à réduire.</translation>
    </message>
    <message>
        <source>Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: choose a file whose name ends in .stl, .obj, .ply, .off, .gltf, .glb or .3mf.</source>
        <translation>Lumeno3D lit les fichiers STL, OBJ, PLY, OFF, glTF, GLB et 3MF&#xa0;: choisissez un fichier dont le nom se termine par .stl, .obj, .ply, .off, .gltf, .glb ou .3mf.</translation>
    </message>
    <message>
        <source>The file %1, which holds this model&apos;s data, is missing beside it or cannot be read: copy it into the same folder.</source>
        <translation>Le fichier %1, qui contient les données de ce modèle, ne se trouve pas à côté de celui-ci ou ne peut pas être lu&#xa0;: copiez-le dans le même dossier.</translation>
    </message>
    <message>
        <source>This file needs %1, which Lumeno3D cannot read: export it again without it.</source>
        <translation>Ce fichier nécessite %1, que Lumeno3D ne sait pas lire&#xa0;: exportez-le à nouveau sans cela.</translation>
    </message>
    <message numerus="yes">
        <source>%n parts were merged into one model.</source>
        <translation>
            <numerusform>%n partie a été fusionnée en un seul modèle.</numerusform>
            <numerusform>%n parties ont été fusionnées en un seul modèle.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s materials and textures are not kept: they are not saved with the model.</source>
        <translation>Les matériaux et les textures de ce fichier ne sont pas conservés&#xa0;: ils ne sont pas enregistrés avec le modèle.</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of points or lines were left out: they have no triangles.</source>
        <translation>
            <numerusform>%n groupe de points ou de lignes a été écarté&#xa0;: il ne contient aucun triangle.</numerusform>
            <numerusform>%n groupes de points ou de lignes ont été écartés&#xa0;: ils ne contiennent aucun triangle.</numerusform>
        </translation>
    </message>
    <message>
        <source>The colours of this file&apos;s faces are left out: Lumeno3D keeps vertex colours only.</source>
        <translation>Les couleurs des faces de ce fichier sont ignorées&#xa0;: Lumeno3D ne conserve que les couleurs de sommet.</translation>
    </message>
    <message>
        <source>JSON nested %1 levels deep</source>
        <translation>du JSON imbriqué sur %1 niveaux</translation>
    </message>
    <message>
        <source>nodes nested %1 levels deep</source>
        <translation>des nœuds imbriqués sur %1 niveaux</translation>
    </message>
    <message>
        <source>%1 placed nodes</source>
        <translation>%1 nœuds placés</translation>
    </message>
    <message>
        <source>%1 placed parts</source>
        <translation>%1 parties placées</translation>
    </message>
    <message>
        <source>%1 points or triangles in all its parts</source>
        <translation>%1 points ou triangles dans l&apos;ensemble de ses parties</translation>
    </message>
    <message>
        <source>This file is larger than the %1 Lumeno3D reads.</source>
        <translation>Ce fichier dépasse les %1 que Lumeno3D peut lire.</translation>
    </message>
    <message>
        <source>There is not enough memory for reading this file: close other programs and open it again.</source>
        <translation>Mémoire insuffisante pour lire ce fichier : fermez d&apos;autres programmes et ouvrez-le à nouveau.</translation>
    </message>
    <message>
        <source>This file holds more than Lumeno3D reads: %1.</source>
        <translation>Ce fichier contient plus que ce que Lumeno3D peut lire : %1.</translation>
    </message>
    <message>
        <source>glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.</source>
        <translation>glTF 1.0 n&apos;est pas pris en charge ; Lumeno3D lit glTF 2.0.</translation>
    </message>
    <message>
        <source>This glTF file holds no meshes: there is no surface to show or reduce.</source>
        <translation>Ce fichier glTF ne contient aucun maillage : il n&apos;y a aucune surface à afficher ou à réduire.</translation>
    </message>
    <message>
        <source>This file holds points only, no triangles: Lumeno3D reduces triangle meshes.</source>
        <translation>Ce fichier ne contient que des points, aucun triangle : Lumeno3D réduit les maillages triangulaires.</translation>
    </message>
    <message>
        <source>This 3MF file places no object on its build plate: it has no build items.</source>
        <translation>Ce fichier 3MF ne place aucun objet sur son plateau : il n&apos;a aucun élément de construction.</translation>
    </message>
    <message>
        <source>This file refers to %1, which is not a file in its own folder: Lumeno3D reads only files beside the model.</source>
        <translation>Ce fichier fait référence à %1, qui n&apos;est pas un fichier de son propre dossier : Lumeno3D ne lit que les fichiers situés à côté du modèle.</translation>
    </message>
    <message>
        <source>This file&apos;s %1 are left out: only some of its parts or faces carry them.</source>
        <translation>Les %1 de ce fichier sont ignorées : seules certaines de ses parties ou faces en ont.</translation>
    </message>
    <message>
        <source>This file gives its sizes in the unit &quot;%1&quot;; they were converted to millimetres.</source>
        <translation>Ce fichier indique ses tailles dans l&apos;unité « %1 » ; elles ont été converties en millimètres.</translation>
    </message>
    <message>
        <source>%1 vertices or face corners</source>
        <translation>%1 sommets ou coins de faces</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot;</source>
        <translation>l&apos;unité « %1 »</translation>
    </message>
    <message>
        <source>components nested more than %1 deep</source>
        <translation>des composants imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>more than %1 placed objects</source>
        <translation>plus de %1 objets placés</translation>
    </message>
    <message>
        <source>more than %1 MiB of text without a tag</source>
        <translation>plus de %1 MiB de texte sans balise</translation>
    </message>
    <message>
        <source>Material libraries missing beside this model or outside its folder: %1. Their materials are shown in a plain colour.</source>
        <translation>Bibliothèques de matériaux absentes à côté de ce modèle ou hors de son dossier : %1. Leurs matériaux sont affichés dans une couleur simple.</translation>
    </message>
    <message>
        <source>Textures missing beside this model, outside its folder or unreadable: %1. Their materials are shown in their plain colours.</source>
        <translation>Textures absentes à côté de ce modèle, hors de son dossier ou illisibles : %1. Leurs matériaux sont affichés dans leurs couleurs simples.</translation>
    </message>
    <message>
        <source>%1 materials or %2 groups</source>
        <translation>%1 matériaux ou %2 groupes</translation>
    </message>
    <message>
        <source>This model of about %1 triangles needs about %2 of memory to open and make its levels, but only %3 is available: close other programs, or open it on a computer with more memory.</source>
        <translation>Ce modèle d&apos;environ %1 triangles a besoin d&apos;environ %2 de mémoire pour être ouvert et créer ses niveaux, mais seuls %3 sont disponibles : fermez d&apos;autres programmes ou ouvrez-le sur un ordinateur avec plus de mémoire.</translation>
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
    <message>
        <source>%1 are not saved: STL files hold the triangles only.</source>
        <translation>%1 ne sont pas enregistrés : les fichiers STL ne contiennent que les triangles.</translation>
    </message>
    <message>
        <source>%1 are not saved: OBJ files hold normals and texture coordinates only.</source>
        <translation>%1 ne sont pas enregistrés : les fichiers OBJ ne contiennent que les normales et les coordonnées de texture.</translation>
    </message>
    <message>
        <source>%1 are not saved: OFF files hold vertex colours only.</source>
        <translation>%1 ne sont pas enregistrées&#xa0;: les fichiers OFF ne contiennent que les couleurs de sommet.</translation>
    </message>
    <message>
        <source>%1 are not saved: 3MF files hold vertex colours only.</source>
        <translation>%1 ne sont pas enregistrées&#xa0;: les fichiers 3MF ne contiennent que les couleurs de sommet.</translation>
    </message>
    <message>
        <source>%1 was not saved: a model can be saved as an STL, PLY, OBJ, GLB, glTF, 3MF or OFF file only.</source>
        <translation>%1 n&apos;a pas été enregistré&#xa0;: un modèle ne peut être enregistré qu&apos;en fichier STL, PLY, OBJ, GLB, glTF, 3MF ou OFF.</translation>
    </message>
    <message>
        <source>There is not enough memory for writing it: close other programs and save again.</source>
        <translation>Mémoire insuffisante pour l&apos;écrire : fermez d&apos;autres programmes et enregistrez à nouveau.</translation>
    </message>
    <message numerus="yes">
        <source>%n materials</source>
        <translation>
            <numerusform>%n matériau</numerusform>
            <numerusform>%n matériaux</numerusform>
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
            <numerusform>%n partie, enregistrée comme un seul modèle</numerusform>
            <numerusform>%n parties, enregistrées comme un seul modèle</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
    <message>
        <source>not saved: %1. 3MF files hold the base colour textures of models with texture coordinates only.</source>
        <translation>non enregistré : %1. Les fichiers 3MF ne contiennent les textures de couleur de base que des modèles avec coordonnées de texture.</translation>
    </message>
    <message>
        <source>not saved: %1. glTF files hold PNG and JPEG images only, and a missing image cannot be saved.</source>
        <translation>non enregistré : %1. Les fichiers glTF ne contiennent que des images PNG et JPEG, et une image manquante ne peut pas être enregistrée.</translation>
    </message>
    <message>
        <source>not saved: %1. %2 files hold no materials, textures or parts.</source>
        <translation>non enregistré : %1. Les fichiers %2 ne contiennent ni matériaux, ni textures, ni parties.</translation>
    </message>
    <message>
        <source>%1 was not saved: the levels are saved in one file as GLB only.</source>
        <translation>%1 n&apos;a pas été enregistré : les niveaux en un seul fichier ne s&apos;enregistrent qu&apos;en GLB.</translation>
    </message>
</context>
<context>
    <name>PointAttributes</name>
    <message>
        <source>vertex colours</source>
        <translation>couleurs de sommet</translation>
    </message>
    <message>
        <source>normals</source>
        <translation>normales</translation>
    </message>
    <message>
        <source>texture coordinates</source>
        <translation>coordonnées de texture</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
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
        <translation>matériaux et textures</translation>
    </message>
    <message numerus="yes">
        <source>%n parts, saved as one model</source>
        <translation>
            <numerusform>%n partie, enregistrée comme un seul modèle</numerusform>
            <numerusform>%n parties, enregistrées comme un seul modèle</numerusform>
        </translation>
    </message>
    <message>
        <source>The materials and parts that reading the file could not keep are not in the model.</source>
        <translation>Les matériaux et parties que la lecture du fichier n’a pas pu conserver ne sont pas dans le modèle.</translation>
    </message>
</context>
<context>
    <name>TransformDialog</name>
    <message>
        <source>Transform</source>
        <translation>Transformation</translation>
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
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
</TS>
