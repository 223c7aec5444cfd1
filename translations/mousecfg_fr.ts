<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppProfiles</name>
    <message>
        <source>The rules could not be saved.</source>
        <translation>Impossible d&apos;enregistrer les règles.</translation>
    </message>
    <message>
        <source>The application&apos;s name is empty.</source>
        <translation>Le nom de l&apos;application est vide.</translation>
    </message>
    <message>
        <source>An application&apos;s name is at most 128 characters long.</source>
        <translation>Le nom d&apos;une application compte au plus 128 caractères.</translation>
    </message>
    <message>
        <source>An application&apos;s name cannot hold control characters or slashes.</source>
        <translation>Le nom d&apos;une application ne peut contenir ni caractères de contrôle ni barres obliques.</translation>
    </message>
    <message>
        <source>The profile must be 1 to 5.</source>
        <translation>Le profil doit être compris entre 1 et 5.</translation>
    </message>
    <message>
        <source>There are already 500 rules; remove one first.</source>
        <translation>Il y a déjà 500 règles&#xa0;; supprimez-en une d&apos;abord.</translation>
    </message>
    <message>
        <source>There is no rule for this application.</source>
        <translation>Il n&apos;y a pas de règle pour cette application.</translation>
    </message>
</context>
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Profiles for Applications</source>
        <translation>Profils par application</translation>
    </message>
    <message>
        <source>Switch the profile with the application in front</source>
        <translation>Changer de profil selon l&apos;application au premier plan</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Profile of the selected rule:</source>
        <translation>Profil de la règle choisie&#xa0;:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>New rule (application and profile):</source>
        <translation>Nouvelle règle (application et profil)&#xa0;:</translation>
    </message>
    <message>
        <source>Application, e.g. firefox</source>
        <translation>Application, p. ex. firefox</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Other applications:</source>
        <translation>Autres applications&#xa0;:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>Leave the profile as it is</source>
        <translation>Garder le profil actuel</translation>
    </message>
    <message>
        <source>Command that turns the extension on</source>
        <translation>Commande qui active l&apos;extension</translation>
    </message>
    <message>
        <source>Profile of the selected rule</source>
        <translation>Profil de la règle choisie</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <translation>Supprimer la règle choisie</translation>
    </message>
    <message>
        <source>Application of the new rule</source>
        <translation>Application de la nouvelle règle</translation>
    </message>
    <message>
        <source>Profile of the new rule</source>
        <translation>Profil de la nouvelle règle</translation>
    </message>
    <message>
        <source>Add the new rule</source>
        <translation>Ajouter la nouvelle règle</translation>
    </message>
    <message>
        <source>Profile for other applications</source>
        <translation>Profil des autres applications</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>The application in front is read from the active window of the X server.</source>
        <translation>L&apos;application au premier plan est lue dans la fenêtre active du serveur X.</translation>
    </message>
    <message>
        <source>The application in front is reported by the compositor.</source>
        <translation>Le compositeur signale l&apos;application au premier plan.</translation>
    </message>
    <message>
        <source>The application in front is reported by KWin&apos;s script.</source>
        <translation>Le script de KWin signale l&apos;application au premier plan.</translation>
    </message>
    <message>
        <source>The application in front is reported by the GNOME Shell extension.</source>
        <translation>L&apos;extension de GNOME Shell signale l&apos;application au premier plan.</translation>
    </message>
    <message>
        <source>The GNOME Shell extension that reports the application in front is off. Turn it on once with this command:</source>
        <translation>L&apos;extension de GNOME Shell qui signale l&apos;application au premier plan est désactivée. Activez-la une fois avec cette commande&#xa0;:</translation>
    </message>
    <message>
        <source>GNOME Shell has not loaded the extension that reports the application in front yet. Log out and back in, then turn it on once with this command:</source>
        <translation>GNOME Shell n&apos;a pas encore chargé l&apos;extension qui signale l&apos;application au premier plan. Déconnectez-vous puis reconnectez-vous, et activez-la une fois avec cette commande&#xa0;:</translation>
    </message>
    <message>
        <source>This desktop does not tell applications which window is in front, so the rules cannot be followed here.</source>
        <translation>Ce bureau n&apos;indique pas aux applications quelle fenêtre est au premier plan&#xa0;; les règles ne peuvent donc pas s&apos;appliquer ici.</translation>
    </message>
</context>
<context>
    <name>ButtonPanel</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Le bouton gauche ne peut pas être une fonction de tir.</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Gestion des macros</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>Gestion des tirs</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Éclairage on/off</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout sélect.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Changer de fenêtre</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Navigateur&#xa0;: accueil</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Navigateur&#xa0;: précédent</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Navigateur&#xa0;: suivant</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Navigateur&#xa0;: arrêter</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Navigateur&#xa0;: actualiser</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Navigateur&#xa0;: rechercher</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Navigateur&#xa0;: favoris</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Courrier</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Touche patron</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>TOUCHE SIMPLE</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBINAISON</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>TIR RAPIDE</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>Changer de DPI</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profil +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profil -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Changer de taux</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Taux +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Taux -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenêtres</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Taux d&apos;interrogation</translation>
    </message>
    <message>
        <source>Rapid fire %1, %2 times, %3 ms</source>
        <translation>Tir rapide %1, %2 fois, %3 ms</translation>
    </message>
    <message>
        <source>%1 (macro missing)</source>
        <translation>%1 (macro introuvable)</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>Button %1, %2</source>
        <translation>Bouton %1, %2</translation>
    </message>
    <message>
        <source>Scroll up, %1</source>
        <translation>Défilement vers le haut, %1</translation>
    </message>
    <message>
        <source>Scroll down, %1</source>
        <translation>Défilement vers le bas, %1</translation>
    </message>
</context>
<context>
    <name>ColorEditorDialog</name>
    <message>
        <source>Color Edit</source>
        <translation>Modifier la couleur</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Colour as hexadecimal RGB</source>
        <translation>Couleur en RVB hexadécimal</translation>
    </message>
</context>
<context>
    <name>ComboKeyDialog</name>
    <message>
        <source>Combo Key</source>
        <translation>Touches combinées</translation>
    </message>
    <message>
        <source>Press the keys together</source>
        <translation>Appuyez sur les touches ensemble</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
</context>
<context>
    <name>CustomizePage</name>
    <message>
        <source>Button functions</source>
        <translation>Fonctions des boutons</translation>
    </message>
</context>
<context>
    <name>DefaultColorArea</name>
    <message>
        <source>Colour %1</source>
        <translation>Couleur %1</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>The mouse was found, but user %1 may not open it. Install the program&apos;s udev rule as %2 and plug the mouse in again, or, until the next replug, run:</source>
        <translation>La souris a été trouvée, mais l’utilisateur %1 ne peut pas l’ouvrir. Installez la règle udev du programme sous %2 et rebranchez la souris, ou, jusqu’au prochain rebranchement, exécutez&#xa0;:</translation>
    </message>
</context>
<context>
    <name>DpiStagePanel</name>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>MISE EN VEILLE</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>ÉTEINT EN MOUVEMENT</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> MIN</translation>
    </message>
    <message>
        <source>Lights off while the mouse moves</source>
        <translation>Éclairage éteint pendant que la souris bouge</translation>
    </message>
    <message>
        <source>Sleep time, 1 minute</source>
        <translation>Délai de veille, 1 minute</translation>
    </message>
    <message>
        <source>Sleep time, %1 minutes</source>
        <translation>Délai de veille, %1 minutes</translation>
    </message>
</context>
<context>
    <name>DpiStageRow</name>
    <message>
        <source>Link XY</source>
        <translation>Lier XY</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>DPI stage %1</source>
        <translation>Niveau DPI %1</translation>
    </message>
    <message>
        <source>%1, link X and Y</source>
        <translation>%1, lier X et Y</translation>
    </message>
    <message>
        <source>%1, X</source>
        <translation>%1, X</translation>
    </message>
    <message>
        <source>%1, Y</source>
        <translation>%1, Y</translation>
    </message>
    <message>
        <source>DPI stage %1, %2 DPI</source>
        <translation>Niveau DPI %1, %2 DPI</translation>
    </message>
    <message>
        <source>, current</source>
        <translation>, actuel</translation>
    </message>
    <message>
        <source>DPI stage %1 value</source>
        <translation>Niveau DPI %1, valeur</translation>
    </message>
    <message>
        <source>Type a DPI from %1 to %2</source>
        <translation>Saisissez un DPI de %1 à %2</translation>
    </message>
    <message>
        <source>Type a DPI from %1 to %2; two values set X and Y apart</source>
        <translation>Saisissez un DPI de %1 à %2&#xa0;; deux valeurs règlent X et Y séparément</translation>
    </message>
</context>
<context>
    <name>FireKeyDialog</name>
    <message>
        <source>FireKey Setting</source>
        <translation>Tir rapide</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droit</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Touche clavier</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Fois&#xa0;:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Délai&#xa0;:</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Nombre de fois</translation>
    </message>
    <message>
        <source>Delay in ms</source>
        <translation>Délai en ms</translation>
    </message>
</context>
<context>
    <name>GunFileDialog</name>
    <message>
        <source>Gun Set</source>
        <translation>Réglage du tir</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>RÉGLAGE DU TIR</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>NOM DU FICHIER DE TIR</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BALLES</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DÉLAI (MS)</translation>
    </message>
    <message>
        <source>Y (+DOWN)</source>
        <translation>Y (+BAS)</translation>
    </message>
    <message>
        <source>X (+RIGHT)</source>
        <translation>X (+DROITE)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Veuillez saisir un nom de fichier.</translation>
    </message>
    <message>
        <source>Invalid macro name.</source>
        <translation>Nom de macro non valide.</translation>
    </message>
    <message>
        <source>Gun file name</source>
        <translation>Nom du fichier de tir</translation>
    </message>
    <message>
        <source>Shot %1, delay in ms</source>
        <translation>Tir %1, délai en ms</translation>
    </message>
    <message>
        <source>Shot %1, move down</source>
        <translation>Tir %1, vers le bas</translation>
    </message>
    <message>
        <source>Shot %1, move right</source>
        <translation>Tir %1, vers la droite</translation>
    </message>
</context>
<context>
    <name>KestDialogFrame</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KestMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Rester</translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Keys are taken while this dialog has focus</source>
        <translation>Touches prises tant que ce dialogue est actif</translation>
    </message>
</context>
<context>
    <name>KitAccessible</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <source>OFF</source>
        <translation>ÉTEINT</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>ALLUMAGE FIXE</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>RESPIRATION</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>RESPIRATION 7 COULEURS</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>ARC-EN-CIEL</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>CLIGNOTEMENT</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>Vague horizontale</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Passage horizontal sans trace</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Goutte de pluie</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>VAGUE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>PASSAGE SANS TRACE</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>RÉACTIF</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Billes</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFET</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>LUMINOSITÉ</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>VITESSE</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>MISE EN VEILLE</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>ÉTEINT EN MOUVEMENT</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> MIN</translation>
    </message>
    <message>
        <source>Lights off while the mouse moves</source>
        <translation>Éclairage éteint pendant que la souris bouge</translation>
    </message>
    <message>
        <source>Lighting effect</source>
        <translation>Effet lumineux</translation>
    </message>
    <message>
        <source>Brightness, %1</source>
        <translation>Luminosité, %1</translation>
    </message>
    <message>
        <source>Speed, %1</source>
        <translation>Vitesse, %1</translation>
    </message>
    <message>
        <source>Sleep time, 1 minute</source>
        <translation>Délai de veille, 1 minute</translation>
    </message>
    <message>
        <source>Sleep time, %1 minutes</source>
        <translation>Délai de veille, %1 minutes</translation>
    </message>
</context>
<context>
    <name>MacroPanel</name>
    <message>
        <source>EDIT</source>
        <translation>MODIFIER</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SUPPR.</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>EN HAUT</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>EN BAS</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MONTER</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>DESCENDRE</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSÉRER DÉLAI</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>RÉGLAGE TIR</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>ACTION SOURIS</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NOUVEAU</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>RENOMMER</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>RÉPÉTITIONS (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>RÉPÉTER TOUCHE ENFONCÉE</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>RÉPÉTER JUSQU&apos;À APPUI</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>LOT</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>ENREG. DÉLAIS ENTRE ACTIONS</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>DÉLAI PAR DÉFAUT</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>NOM DE LA MACRO</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TOUCHE</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DÉLAI</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>MOUVEMENT</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>COMMANDE SOURIS</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DÉLAI(ms)</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; could not be saved.</source>
        <translation>La macro «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TROP DE MACROS POUR EN CRÉER&#xa0;!</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>The macro list could not be saved.</source>
        <translation>La liste des macros n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Invalid macro name.</source>
        <translation>Nom de macro invalide.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; could not be renamed.</source>
        <translation>La macro «&#xa0;%1&#xa0;» n&apos;a pas pu être renommée.</translation>
    </message>
    <message>
        <source>Buttons using &quot;%1&quot;: %2. They would send an empty macro. Delete it anyway?</source>
        <translation>Boutons utilisant «&#xa0;%1&#xa0;»&#xa0;: %2. Ils enverraient une macro vide. La supprimer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; could not be deleted.</source>
        <translation>La macro «&#xa0;%1&#xa0;» n&apos;a pas pu être supprimée.</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Charger un fichier macro</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Fichier macro(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>La macro existe déjà&#xa0;!</translation>
    </message>
    <message>
        <source>Not copied: %1</source>
        <translation>Non copié&#xa0;: %1</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Enregistrer le fichier macro</translation>
    </message>
    <message>
        <source>A macro holds at most 63 steps.</source>
        <translation>Une macro contient au plus 63 étapes.</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>UNE OU PLUSIEURS TOUCHES N&apos;ONT PAS ÉTÉ RELÂCHÉES.</translation>
    </message>
    <message>
        <source>profile %1 wheel up</source>
        <translation>profil %1 molette haut</translation>
    </message>
    <message>
        <source>profile %1 wheel down</source>
        <translation>profil %1 molette bas</translation>
    </message>
    <message>
        <source>profile %1 second-row button %2</source>
        <translation>profil %1 bouton %2 de la deuxième rangée</translation>
    </message>
    <message>
        <source>profile %1 button %2</source>
        <translation>profil %1 bouton %2</translation>
    </message>
    <message>
        <source>Used by: %1</source>
        <translation>Utilisée par&#xa0;: %1</translation>
    </message>
    <message>
        <source>Keys are taken while this window has focus</source>
        <translation>Touches prises tant que cette fenêtre est active</translation>
    </message>
    <message>
        <source>A delay must be between %1 and %2 ms.</source>
        <translation>Un délai doit être compris entre %1 et %2 ms.</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Macro steps</source>
        <translation>Étapes de la macro</translation>
    </message>
    <message>
        <source>Macro name</source>
        <translation>Nom de la macro</translation>
    </message>
    <message>
        <source>Default delay in ms</source>
        <translation>Délai par défaut en ms</translation>
    </message>
    <message>
        <source>Loop count</source>
        <translation>Nombre de répétitions</translation>
    </message>
    <message>
        <source>Delay in ms</source>
        <translation>Délai en ms</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Mouse command</source>
        <translation>Commande de souris</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro(s) saved to %1</source>
        <translation>
            <numerusform>%n macro enregistrée dans %1</numerusform>
            <numerusform>%n macros enregistrées dans %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MacroSelectDialog</name>
    <message>
        <source>Macro Manager</source>
        <translation>Gestion des macros</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>BOUCLES (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>RÉPÉTER PENDANT L&apos;APPUI</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>RÉPÉTER JUSQU&apos;AU PROCHAIN APPUI</translation>
    </message>
</context>
<context>
    <name>MacroStepDelegate</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>CLIC GAUCHE</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>CLIC DROIT</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>CLIC MILIEU</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>AVANCER</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>RETOUR</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>VERS LA GAUCHE</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>VERS LA DROITE</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>VERS LE HAUT</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>VERS LE BAS</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Appuyer</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Relâcher</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DÉLAI</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ADD</source>
        <translation>AJOUTER</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIER</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SUPPR.</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RÉINITIALISER</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>CHARGER</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Mise à jour firmware</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>ÉCLAIRAGE</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>BOUTONS</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Charger un profil</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Appuyez sur Entrée pour appliquer</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Ouvrir les réglages</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AU MOINS UNE FONCTION DE CLIC DOIT ÊTRE CONSERVÉE.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>ÉTEINTE</translation>
    </message>
    <message>
        <source>mouse not connected</source>
        <translation>souris non connectée</translation>
    </message>
    <message>
        <source>Battery level</source>
        <translation>Niveau de batterie</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Pour mettre à jour le firmware, reliez la souris à l&apos;ordinateur avec un câble.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Voulez-vous mettre à jour le firmware&#xa0;?</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>Impossible de lancer l&apos;outil de mise à jour du firmware.</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>La souris est en veille ou n&apos;est pas connectée.</translation>
    </message>
    <message>
        <source>Too many or too long macros for the mouse.</source>
        <translation>Trop de macros, ou des macros trop longues, pour la souris.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Échec de l&apos;envoi des données, veuillez réessayer.</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Ce profil est déjà utilisé&#xa0;!</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AU MOINS UN PROFIL DOIT ÊTRE CONSERVÉ.</translation>
    </message>
    <message>
        <source>The profile does not exist.</source>
        <translation>Le profil n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Le profil par défaut ne peut être ni supprimé ni renommé.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Voulez-vous vraiment supprimer ce profil&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Voulez-vous vraiment réinitialiser ce profil&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Voulez-vous vraiment réinitialiser tous les profils&#xa0;?</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Fichier de profil (*.prof)</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Fichier de configuration (*.conf)</translation>
    </message>
    <message>
        <source>The configuration file could not be saved.</source>
        <translation>Impossible d&apos;enregistrer le fichier de configuration.</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Charger une configuration</translation>
    </message>
    <message>
        <source>Invalid profile name.</source>
        <translation>Nom de profil non valide.</translation>
    </message>
    <message>
        <source>The profile file could not be copied.</source>
        <translation>Impossible de copier le fichier de profil.</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Ce profil existe déjà&#xa0;!</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>Ce fichier ne correspond pas à la souris actuelle&#xa0;!</translation>
    </message>
    <message>
        <source>The profile file could not be saved.</source>
        <translation>Impossible d&apos;enregistrer le fichier de profil.</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Récepteur déconnecté&#xa0;!</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Profile &quot;%1&quot; was damaged and has been reset.</source>
        <translation>Le profil «&#xa0;%1&#xa0;» était endommagé et a été réinitialisé.</translation>
    </message>
    <message>
        <source>%1 is locked; changes to it are not saved.</source>
        <translation>%1 est verrouillé&#xa0;; les modifications ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>%1 was damaged; the damaged lines were removed.</source>
        <translation>%1 était endommagé&#xa0;; les lignes endommagées ont été retirées.</translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation>Impossible d’enregistrer %1.</translation>
    </message>
    <message>
        <source>The file is damaged and was not loaded.</source>
        <translation>Le fichier est endommagé et n’a pas été chargé.</translation>
    </message>
    <message>
        <source>&amp;Start with the desktop</source>
        <translation>&amp;Démarrer avec le bureau</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Mouse battery very low: %1%, charge it now</source>
        <translation>Batterie de la souris très faible&#xa0;: %1&#xa0;%, rechargez-la maintenant</translation>
    </message>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation>Batterie de la souris faible&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Changes not yet on the mouse</source>
        <translation>Modifications pas encore sur la souris</translation>
    </message>
    <message>
        <source>Your changes are not on the mouse yet. Apply them now?</source>
        <translation>Vos modifications ne sont pas encore sur la souris. Les appliquer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>The command-line tool changed what you were also editing here; its values are kept: %1.</source>
        <translation>L&apos;outil en ligne de commande a modifié ce que vous modifiiez aussi ici&#xa0;; ses valeurs sont conservées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 was damaged and has been set aside; profiles no longer follow the application in front.</source>
        <translation>%1 était endommagé et a été mis de côté&#xa0;; les profils ne suivent plus l&apos;application au premier plan.</translation>
    </message>
    <message>
        <source>Profiles by Application</source>
        <translation>Profils par application</translation>
    </message>
    <message>
        <source>&amp;Profiles by Application...</source>
        <translation>&amp;Profils par application...</translation>
    </message>
    <message>
        <source>Battery: %1</source>
        <translation>Batterie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Battery %1%</source>
        <translation>Batterie %1&#xa0;%</translation>
    </message>
    <message>
        <source>charging</source>
        <translation>en charge</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>câble</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>récepteur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Writing the settings to the mouse</source>
        <translation>Écriture des réglages dans la souris</translation>
    </message>
    <message>
        <source>Profile settings</source>
        <translation>Réglages du profil</translation>
    </message>
    <message>
        <source>Apply the name</source>
        <translation>Appliquer le nom</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>Applied to Profile %1</source>
        <translation>Appliqué au profil %1</translation>
    </message>
    <message>
        <source>Not applied: the mouse did not take the settings</source>
        <translation>Non appliqué&#xa0;: la souris n’a pas pris les réglages</translation>
    </message>
    <message>
        <source>Copied as “%1”</source>
        <translation>Copié sous «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>Install access rule</source>
        <translation>Installer la règle d’accès</translation>
    </message>
    <message>
        <source>The access rule is installed.</source>
        <translation>La règle d’accès est installée.</translation>
    </message>
    <message>
        <source>The access rule was not installed.</source>
        <translation>La règle d’accès n’a pas été installée.</translation>
    </message>
    <message>
        <source>The access rule could not be installed: %1</source>
        <translation>Impossible d’installer la règle d’accès&#xa0;: %1</translation>
    </message>
    <message>
        <source>The access rule is installed: plug the mouse in again.</source>
        <translation>La règle d’accès est installée&#xa0;: rebranchez la souris.</translation>
    </message>
</context>
<context>
    <name>MouseActionTree</name>
    <message>
        <source>PRESS DOWN</source>
        <translation>ENFONCER</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>RELÂCHER</translation>
    </message>
</context>
<context>
    <name>MouseView</name>
    <message>
        <source>Button: %1</source>
        <translation>Bouton&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PointerSpeedPanel</name>
    <message>
        <source>Key Response</source>
        <translation>Réactivité</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Synchro</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Dist. de levée</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>Corr. d&apos;angle</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Anti-gigue</translation>
    </message>
    <message>
        <source>Motion Wake</source>
        <translation>Réveil auto</translation>
    </message>
    <message>
        <source>Sensor Mode</source>
        <translation>Mode capteur</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>Éco</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Competitive</source>
        <translation>Compétition</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>Réglages souris</translation>
    </message>
    <message>
        <source>Scroll speed</source>
        <translation>Vitesse de défilement</translation>
    </message>
    <message>
        <source>Pointer speed is set in the desktop&apos;s mouse settings</source>
        <translation>La vitesse du pointeur se règle dans les paramètres de souris du bureau</translation>
    </message>
    <message>
        <source>Key response, %1 ms</source>
        <translation>Réponse des touches, %1 ms</translation>
    </message>
    <message>
        <source>Lift distance, %1</source>
        <translation>Distance de levée, %1</translation>
    </message>
    <message>
        <source>Sensor mode, %1</source>
        <translation>Mode du capteur, %1</translation>
    </message>
</context>
<context>
    <name>ReportRatePanel</name>
    <message>
        <source>REPORT RATE</source>
        <translation>TAUX DE RAPPORT</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Distance de levée</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Taux de rapport</translation>
    </message>
    <message>
        <source>Lift-off distance, %1</source>
        <translation>Distance de levée, %1</translation>
    </message>
</context>
<context>
    <name>SettingsMerge</name>
    <message>
        <source>the profile in use</source>
        <translation>le profil utilisé</translation>
    </message>
    <message>
        <source>angle snapping</source>
        <translation>la correction d&apos;angle</translation>
    </message>
    <message>
        <source>lift-off distance</source>
        <translation>la distance de levée</translation>
    </message>
    <message>
        <source>motion sync</source>
        <translation>la synchronisation du mouvement</translation>
    </message>
    <message>
        <source>the number of profiles in use</source>
        <translation>le nombre de profils utilisés</translation>
    </message>
    <message>
        <source>jitter filter</source>
        <translation>le filtre anti-tremblement</translation>
    </message>
    <message>
        <source>key response time</source>
        <translation>le temps de réponse des touches</translation>
    </message>
    <message>
        <source>motion wake</source>
        <translation>le réveil par mouvement</translation>
    </message>
    <message>
        <source>sensor mode</source>
        <translation>le mode du capteur</translation>
    </message>
    <message>
        <source>the file of profile %1</source>
        <translation>le fichier du profil %1</translation>
    </message>
    <message>
        <source>the report rate of profile %1</source>
        <translation>le taux de rapport du profil %1</translation>
    </message>
    <message>
        <source>the DPI stage in use in profile %1</source>
        <translation>le niveau DPI utilisé du profil %1</translation>
    </message>
    <message>
        <source>DPI stage %2 of profile %1</source>
        <translation>le niveau DPI %2 du profil %1</translation>
    </message>
    <message>
        <source>the lighting of profile %1</source>
        <translation>l&apos;éclairage du profil %1</translation>
    </message>
    <message>
        <source>the pointer settings of profile %1</source>
        <translation>les réglages du pointeur du profil %1</translation>
    </message>
    <message>
        <source>button record %2 of profile %1</source>
        <translation>le bouton %2 du profil %1</translation>
    </message>
</context>
<context>
    <name>SingleKeyDialog</name>
    <message>
        <source>Single Key</source>
        <translation>Touche simple</translation>
    </message>
    <message>
        <source>Press a key</source>
        <translation>Appuyez sur une touche</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
</context>
<context>
    <name>SkinDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SniperDialog</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Mode sniper</translation>
    </message>
</context>
</TS>
