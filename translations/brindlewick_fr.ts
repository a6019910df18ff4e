<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>ByteWriter</name>
    <message>
        <source>The workbook cannot be written: the value %1 does not fit the field %2 of the %3 record, which holds %4 bits.</source>
        <translation>Le classeur ne peut pas être écrit : la valeur %1 ne tient pas dans le champ %2 de l&apos;enregistrement %3, qui compte %4 bits.</translation>
    </message>
</context>
<context>
    <name>ClaimNotes</name>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>Changed %1 from %2 to %3 on %4</source>
        <translation>%1 modifié de %2 en %3 le %4</translation>
    </message>
    <message>
        <source>Deleted on %1</source>
        <translation>Supprimé le %1</translation>
    </message>
    <message>
        <source>Moved to the history on %1</source>
        <translation>Déplacé dans l&apos;historique le %1</translation>
    </message>
    <message>
        <source>Put back on %1</source>
        <translation>Rétabli le %1</translation>
    </message>
    <message>
        <source>Claimed in a printed report, saved %1</source>
        <translation>Déclaré dans une note de frais imprimée, enregistrée le %1</translation>
    </message>
    <message>
        <source>Claimed in %1, saved %2</source>
        <translation>Déclaré dans %1, enregistré le %2</translation>
    </message>
    <message>
        <source>a printed report</source>
        <translation>une note de frais imprimée</translation>
    </message>
    <message numerus="yes">
        <source>%n of these trips were claimed before, first row %1 in %2 of %3. Create the report anyway?</source>
        <translation>
            <numerusform>%n de ces trajets a déjà été déclaré, ligne %1 dans %2 du %3. Créer quand même la note de frais ?</numerusform>
            <numerusform>%n de ces trajets ont déjà été déclarés, première ligne %1 dans %2 du %3. Créer quand même la note de frais ?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClaimReport</name>
    <message>
        <source>The file %1 does not end in .xls, .xlsx or .pdf.</source>
        <translation>Le fichier %1 ne se termine pas par .xls, .xlsx ou .pdf.</translation>
    </message>
    <message>
        <source>The report cannot be made here.</source>
        <translation>La note de frais ne peut pas être créée ici.</translation>
    </message>
    <message>
        <source>The report of claim %1 could not be made; nothing was written.</source>
        <translation>La note de frais %1 n&apos;a pas pu être créée ; rien n&apos;a été écrit.</translation>
    </message>
</context>
<context>
    <name>ClaimStore</name>
    <message>
        <source>There is no claim %1.</source>
        <translation>Il n&apos;y a pas de note de frais %1.</translation>
    </message>
    <message>
        <source>claim %1</source>
        <translation>note de frais %1</translation>
    </message>
    <message>
        <source>file %1 of claim %2</source>
        <translation>fichier %1 de la note de frais %2</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>fichier %1</translation>
    </message>
    <message>
        <source>paid mark of claim %1</source>
        <translation>mention « payée » de la note de frais %1</translation>
    </message>
    <message>
        <source>unpaid mark of claim %1</source>
        <translation>mention « non payée » de la note de frais %1</translation>
    </message>
    <message>
        <source>trail entry %1</source>
        <translation>entrée de suivi %1</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>maillon %1</translation>
    </message>
    <message>
        <source>%1 (not in the chain)</source>
        <translation>%1 (hors de la chaîne)</translation>
    </message>
    <message>
        <source>trip %1 of claim %2 (not in the chain)</source>
        <translation>trajet %1 de la note de frais %2 (absent de la chaîne)</translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>an item is longer than 64 MiB, which no track or Timeline export holds</source>
        <translation>un élément dépasse 64 Mio, ce que ne contient aucune trace ni aucun export Timeline</translation>
    </message>
    <message>
        <source>the position %1, %2 lies outside the earth&apos;s latitudes and longitudes</source>
        <translation>la position %1, %2 est en dehors des latitudes et longitudes de la Terre</translation>
    </message>
    <message>
        <source>a drive ends before it starts</source>
        <translation>un trajet se termine avant de commencer</translation>
    </message>
    <message>
        <source>the file ends before its %1 does; it may have been cut short</source>
        <translation>le fichier se termine avant son %1 ; il a peut-être été tronqué</translation>
    </message>
    <message>
        <source>this is not well-formed %1</source>
        <translation>ce n&apos;est pas du %1 bien formé</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>this is neither a GPX track nor a Timeline export</source>
        <translation>ce n&apos;est ni une trace GPX ni un export Timeline</translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1</source>
        <translation>le fichier ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>it holds no track points (routes and waypoints are not drives)</source>
        <translation>il ne contient aucun point de trace (les itinéraires et les points de passage ne sont pas des trajets)</translation>
    </message>
    <message>
        <source>this is no GPX file: its root element is &lt;%1&gt;</source>
        <translation>ce n&apos;est pas un fichier GPX : son élément racine est &lt;%1&gt;</translation>
    </message>
    <message>
        <source>a track point has no latitude and longitude as numbers</source>
        <translation>un point de trace n&apos;a pas de latitude et de longitude en nombres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time</source>
        <translation>« %1 » n&apos;est pas une heure</translation>
    </message>
    <message>
        <source>a track point has no time, and a drive needs the time of every point</source>
        <translation>un point de trace n&apos;a pas d&apos;heure, et un trajet a besoin de l&apos;heure de chaque point</translation>
    </message>
    <message>
        <source>the time %1 comes before %2, the time of the point before it</source>
        <translation>l&apos;heure %1 précède %2, l&apos;heure du point précédent</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
    <message>
        <source>this holds raw location records, not drives; read the Timeline export of the phone or the Semantic Location History instead</source>
        <translation>ce sont des relevés de position bruts, pas des trajets ; lisez plutôt l&apos;export Timeline du téléphone ou l&apos;historique des positions sémantique</translation>
    </message>
    <message>
        <source>this is no Timeline export</source>
        <translation>ce n&apos;est pas un export Timeline</translation>
    </message>
    <message>
        <source>this is no Semantic Location History</source>
        <translation>ce n&apos;est pas un historique des positions sémantique</translation>
    </message>
    <message>
        <source>this is neither a Timeline export nor a Semantic Location History</source>
        <translation>ce n&apos;est ni un export Timeline ni un historique des positions sémantique</translation>
    </message>
    <message>
        <source>the JSON nests deeper than any export does</source>
        <translation>le JSON est plus imbriqué qu&apos;aucun export</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no position</source>
        <translation>« %1 » n&apos;est pas une position</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number</source>
        <translation>« %1 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>a coordinate is no number</source>
        <translation>une coordonnée n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>a drive has no start or end time</source>
        <translation>un trajet n&apos;a pas d&apos;heure de début ou de fin</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line </source>
        <translation>à la ligne </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Merci d&apos;envoyer une capture d&apos;écran de ce message à </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
</context>
<context>
    <name>Excel1</name>
    <message>
        <source>There is no picture on the clipboard to save.</source>
        <translation>Le presse-papiers ne contient aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>L&apos;image n&apos;a pas pu être écrite dans %1.</translation>
    </message>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Excel est peut-être ouvert. Il est conseillé de fermer Excel d&apos;abord.<byte value="xd"/>Si nécessaire : Ctrl+Alt+Suppr &gt; Gestionnaire des tâches &gt; EXCEL.EXE.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous continuer quand même ?</translation>
    </message>
    <message>
        <source>The version &quot;%1&quot; of the spreadsheet application is no number.</source>
        <translation>La version « %1 » du tableur n&apos;est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>IsInstalled</name>
    <message>
        <source>Error 842001. A normal instance of Excel could not be created.</source>
        <translation>Erreur 842001. Impossible de lancer Excel normalement.</translation>
    </message>
    <message>
        <source>1. Please make sure Excel is installed on this computer.</source>
        <translation>1. Vérifiez qu&apos;Excel est installé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>2. Please open Excel normally and make sure a blank spreadsheet opens immediately without any interrupting window (such as an Excel file recovery window).</source>
        <translation>2. Ouvrez Excel normalement et vérifiez qu&apos;une feuille vierge s&apos;ouvre aussitôt, sans fenêtre intermédiaire (comme celle de récupération de fichiers).</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a XLS or XLSX file that Excel opens normally without any interrupting messages.</source>
        <translation>3. Vérifiez qu&apos;un double-clic sur un fichier XLS ou XLSX ouvre Excel normalement, sans message intermédiaire.</translation>
    </message>
    <message>
        <source>4. All versions of Excel are supported by this software except for the rare Excel Starter and Student editions.</source>
        <translation>4. Toutes les versions d&apos;Excel sont prises en charge, sauf les rares éditions Excel Starter et Student.</translation>
    </message>
</context>
<context>
    <name>KeptEntries</name>
    <message>
        <source>The employee data and the period could not be saved. %1 They are kept and saved with the next change, or when the window closes.</source>
        <translation>Les données de l&apos;employé et la période n&apos;ont pas pu être enregistrées. %1 Elles sont conservées et enregistrées avec la prochaine modification, ou à la fermeture de la fenêtre.</translation>
    </message>
</context>
<context>
    <name>LogBackup</name>
    <message>
        <source>The log is not kept in a file, so it cannot be backed up.</source>
        <translation>Le journal n&apos;est pas conservé dans un fichier ; il ne peut donc pas être sauvegardé.</translation>
    </message>
    <message>
        <source>The log cannot be backed up in the middle of a change.</source>
        <translation>Le journal ne peut pas être sauvegardé au milieu d&apos;une modification.</translation>
    </message>
    <message>
        <source>The log could not be backed up. %1</source>
        <translation>Le journal n&apos;a pas pu être sauvegardé. %1</translation>
    </message>
    <message>
        <source>The backup %1 holds no log.</source>
        <translation>La sauvegarde %1 ne contient aucun journal.</translation>
    </message>
    <message>
        <source>The backup %1 is damaged or is not a log.</source>
        <translation>La sauvegarde %1 est endommagée ou n&apos;est pas un journal.</translation>
    </message>
    <message>
        <source>The log cannot be restored in the middle of a change.</source>
        <translation>Le journal ne peut pas être restauré au milieu d&apos;une modification.</translation>
    </message>
    <message>
        <source>The log is unchanged.</source>
        <translation>Le journal est inchangé.</translation>
    </message>
    <message>
        <source>The log was not restored, so that it is never replaced without a copy.</source>
        <translation>Le journal n&apos;a pas été restauré, afin qu&apos;il ne soit jamais remplacé sans copie.</translation>
    </message>
    <message>
        <source>The backup could not be restored. %1 The log is unchanged.</source>
        <translation>La sauvegarde n&apos;a pas pu être restaurée. %1 Le journal est inchangé.</translation>
    </message>
</context>
<context>
    <name>LogCatalog</name>
    <message>
        <source>The log %1 cannot be read: %2</source>
        <translation>Le journal %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>no folder for the trash is known</source>
        <translation>aucun dossier de corbeille n&apos;est connu</translation>
    </message>
    <message>
        <source>not a log of this program</source>
        <translation>pas un journal de ce programme</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a log.</source>
        <translation>%1 est un dossier, pas un journal.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a log: %2</source>
        <translation>%1 ne peut pas être lu comme journal : %2</translation>
    </message>
    <message>
        <source>%1 is not a log of this program.</source>
        <translation>%1 n&apos;est pas un journal de ce programme.</translation>
    </message>
    <message>
        <source>There is no log called %1.</source>
        <translation>Il n&apos;y a pas de journal nommé %1.</translation>
    </message>
    <message>
        <source>%1 is listed because of where it lies; move it to the trash or out of the folder instead.</source>
        <translation>%1 est listé à cause de son emplacement ; mettez-le plutôt à la corbeille ou hors du dossier.</translation>
    </message>
    <message>
        <source>A log needs a name.</source>
        <translation>Un journal doit avoir un nom.</translation>
    </message>
    <message>
        <source>A log&apos;s name cannot hold a path separator (/ or \).</source>
        <translation>Le nom d&apos;un journal ne peut pas contenir de séparateur de chemin (/ ou \).</translation>
    </message>
    <message>
        <source>A log&apos;s name cannot begin with a period.</source>
        <translation>Le nom d&apos;un journal ne peut pas commencer par un point.</translation>
    </message>
    <message>
        <source>A log&apos;s name cannot hold control characters.</source>
        <translation>Le nom d&apos;un journal ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>A log&apos;s name can be at most %1 bytes long.</source>
        <translation>Le nom d&apos;un journal ne peut dépasser %1 octets.</translation>
    </message>
    <message>
        <source>A log called %1 exists already.</source>
        <translation>Un journal nommé %1 existe déjà.</translation>
    </message>
    <message>
        <source>The log %1 could not be made: %2</source>
        <translation>Le journal %1 n&apos;a pas pu être créé : %2</translation>
    </message>
    <message>
        <source>a file %1 exists already.</source>
        <translation>un fichier %1 existe déjà.</translation>
    </message>
    <message>
        <source>it is open in Brindlewick or brindlewick-report.</source>
        <translation>il est ouvert dans Brindlewick ou brindlewick-report.</translation>
    </message>
    <message>
        <source>The log %1 cannot be changed: %2</source>
        <translation>Le journal %1 ne peut pas être modifié : %2</translation>
    </message>
    <message>
        <source>The log kept beside the settings keeps its name.</source>
        <translation>Le journal gardé à côté des paramètres garde son nom.</translation>
    </message>
    <message>
        <source>A file %1 exists already.</source>
        <translation>Un fichier %1 existe déjà.</translation>
    </message>
    <message>
        <source>The log %1 could not be renamed: %2</source>
        <translation>Le journal %1 n&apos;a pas pu être renommé : %2</translation>
    </message>
    <message>
        <source>The open log cannot be moved to the trash.</source>
        <translation>Le journal ouvert ne peut pas être mis à la corbeille.</translation>
    </message>
    <message>
        <source>The log %1 could not be moved to the trash (%2); it stays where it is.</source>
        <translation>Le journal %1 n&apos;a pas pu être mis à la corbeille (%2) ; il reste où il est.</translation>
    </message>
</context>
<context>
    <name>LogDatabase</name>
    <message>
        <source>The restored log was written by a newer version of the program.</source>
        <translation>Le journal restauré a été écrit par une version plus récente du programme.</translation>
    </message>
    <message>
        <source>The log %1 cannot be written: it is read-only.</source>
        <translation>Le journal %1 ne peut pas être écrit : il est en lecture seule.</translation>
    </message>
    <message>
        <source>The log %1 cannot be opened.</source>
        <translation>Le journal %1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>The file %1 is not a log database.</source>
        <translation>Le fichier %1 n&apos;est pas une base de journal.</translation>
    </message>
    <message>
        <source>The log %1 is damaged.</source>
        <translation>Le journal %1 est endommagé.</translation>
    </message>
    <message>
        <source>The log %1 is busy in another program.</source>
        <translation>Le journal %1 est occupé par un autre programme.</translation>
    </message>
    <message>
        <source>There is not enough memory to work on the log %1.</source>
        <translation>La mémoire ne suffit pas pour traiter le journal %1.</translation>
    </message>
    <message>
        <source>The disk failed while using the log %1.</source>
        <translation>Le disque a échoué pendant l&apos;utilisation du journal %1.</translation>
    </message>
    <message>
        <source>The log %1 could not be used: %2.</source>
        <translation>Le journal %1 n&apos;a pas pu être utilisé : %2.</translation>
    </message>
    <message>
        <source>The log is unchanged.</source>
        <translation>Le journal est inchangé.</translation>
    </message>
    <message>
        <source>The backup could not be copied beside the log.</source>
        <translation>La sauvegarde n&apos;a pas pu être copiée à côté du journal.</translation>
    </message>
    <message>
        <source>The backup was written by a newer version of the program.</source>
        <translation>La sauvegarde a été écrite par une version plus récente du programme.</translation>
    </message>
    <message>
        <source>The backup could not be restored. %1</source>
        <translation>La sauvegarde n&apos;a pas pu être restaurée. %1</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>la table %1 y manque</translation>
    </message>
    <message>
        <source>its table %1 has no column %2</source>
        <translation>sa table %1 n&apos;a pas de colonne %2</translation>
    </message>
    <message>
        <source>The log %1 was moved or deleted while it was open.</source>
        <translation>Le journal %1 a été déplacé ou supprimé pendant qu&apos;il était ouvert.</translation>
    </message>
    <message>
        <source>The index file %1 of the log cannot be written.</source>
        <translation>Le fichier d&apos;index %1 du journal ne peut pas être écrit.</translation>
    </message>
</context>
<context>
    <name>LogHistory</name>
    <message>
        <source>Edit of %1</source>
        <translation>Modification de %1</translation>
    </message>
    <message>
        <source>Filled Values</source>
        <translation>Valeurs complétées</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>Insérer une ligne</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Change of Trips</source>
        <translation>Modification des trajets</translation>
    </message>
</context>
<context>
    <name>LogList</name>
    <message>
        <source>Open</source>
        <translation>Ouvert</translation>
    </message>
</context>
<context>
    <name>LogSessions</name>
    <message>
        <source>The log %1 could not be closed: %2</source>
        <translation>Le journal %1 n’a pas pu être fermé : %2</translation>
    </message>
    <message>
        <source>The log %1 was not opened; %2 stays open. %3</source>
        <translation>Le journal %1 n’a pas été ouvert ; %2 reste ouvert. %3</translation>
    </message>
</context>
<context>
    <name>LogTable</name>
    <message>
        <source>A mileage log holds at most %1 trips. %2</source>
        <translation>Un journal compte au plus %1 trajets. %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Starting Location</source>
        <translation>Lieu de départ</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Description/Notes</source>
        <translation>Motif/Remarques</translation>
    </message>
    <message>
        <source>Odometer Start</source>
        <translation>Compteur départ</translation>
    </message>
    <message>
        <source>Odometer End</source>
        <translation>Compteur arrivée</translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Reimbursement</source>
        <translation>Indemnité</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation>Opération non autorisée lorsque l&apos;objet est ouvert.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Opération non autorisée lorsque l&apos;objet est fermé.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted.</source>
        <translation>BOF ou EOF est True, ou l&apos;enregistrement actuel a été supprimé.</translation>
    </message>
    <message>
        <source>Row handle referred to a deleted row or a row marked for deletion.</source>
        <translation>Le handle de ligne désigne une ligne supprimée ou marquée pour suppression.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF ou EOF est True, ou l&apos;enregistrement actuel a été supprimé. L&apos;opération demandée nécessite un enregistrement actuel.</translation>
    </message>
    <message>
        <source>The bookmark is invalid.</source>
        <translation>Le signet n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>Élément introuvable dans la collection correspondant au nom ou au numéro demandé.</translation>
    </message>
    <message>
        <source>Multiple-step operation generated errors. Check each status value.</source>
        <translation>L&apos;opération en plusieurs étapes a généré des erreurs. Vérifiez chaque valeur d&apos;état.</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable objet ou variable de bloc With non définie</translation>
    </message>
    <message>
        <source>The stored log has %1 trips; the first %2 were loaded.</source>
        <translation>Le journal enregistré compte %1 trajets ; les %2 premiers ont été chargés.</translation>
    </message>
    <message>
        <source>The stored row count %1 is no usable number of rows; no rows were restored.</source>
        <translation>Le nombre de lignes enregistré %1 n&apos;est pas utilisable ; aucune ligne n&apos;a été restaurée.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Kilomètres</translation>
    </message>
</context>
<context>
    <name>LogUnits</name>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>mi</source>
        <translation>mi</translation>
    </message>
    <message>
        <source>Kilometre</source>
        <translation>Kilomètre</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>Mile</translation>
    </message>
</context>
<context>
    <name>MileageLog</name>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>Texts longer than a cell holds were cut to their first 32,767 characters in the report; the log keeps them whole:<byte value="xd"/>
</source>
        <translation>Les textes plus longs qu&apos;une cellule ne peut contenir ont été coupés à leurs 32 767 premiers caractères dans le rapport ; le journal les garde entiers :<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Trip %1, %2</source>
        <translation>Trajet %1, %2</translation>
    </message>
    <message>
        <source>no rate</source>
        <translation>aucun taux</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 jusqu&apos;au %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 du %2 au %3</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 à partir du %2</translation>
    </message>
    <message>
        <source>Employee Name</source>
        <translation>Nom du salarié</translation>
    </message>
    <message>
        <source>Employee ID</source>
        <translation>Matricule</translation>
    </message>
    <message>
        <source>Vehicle Description</source>
        <translation>Véhicule</translation>
    </message>
    <message>
        <source>Authorized By</source>
        <translation>Approuvé par</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Du %1 au %2</translation>
    </message>
    <message>
        <source>Rate Per Mile</source>
        <translation>Taux par mile</translation>
    </message>
    <message>
        <source>For Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Total Mileage</source>
        <translation>Distance totale</translation>
    </message>
    <message>
        <source>Total Reimbursement</source>
        <translation>Indemnité totale</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Starting Location</source>
        <translation>Lieu de départ</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Description/Notes</source>
        <translation>Motif/Remarques</translation>
    </message>
    <message>
        <source>Odometer Start</source>
        <translation>Compteur départ</translation>
    </message>
    <message>
        <source>Odometer End</source>
        <translation>Compteur arrivée</translation>
    </message>
    <message>
        <source>Mileage</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Reimbursement</source>
        <translation>Indemnité</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>The temporary workbook %1 cannot be created: %2</source>
        <translation>Le classeur temporaire %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>The picture file %1 could not be loaded.%2</source>
        <translation>Le fichier image %1 n&apos;a pas pu être chargé.%2</translation>
    </message>
    <message>
        <source>No unused name for the temporary workbook was found.</source>
        <translation>Aucun nom libre n&apos;a été trouvé pour le classeur temporaire.</translation>
    </message>
    <message>
        <source>This log has %1 trips; delete some before creating the report.</source>
        <translation>Ce journal compte %1 trajets ; supprimez-en avant de créer le rapport.</translation>
    </message>
    <message>
        <source>Mileage Log and Reimbursement</source>
        <translation>Indemnités kilométriques</translation>
    </message>
    <message>
        <source>Mileage Log and Reimbursement Form</source>
        <translation>Note de frais kilométriques</translation>
    </message>
    <message>
        <source>Rate Per Kilometre</source>
        <translation>Taux par kilomètre</translation>
    </message>
    <message>
        <source>Total Kilometres</source>
        <translation>Total des kilomètres</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Kilomètres</translation>
    </message>
    <message>
        <source>%1 for %2: %3, total mileage %4, total reimbursement %5</source>
        <translation>%1 pour %2 : %3, distance totale %4, indemnité totale %5</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s)</source>
        <translation>
            <numerusform>%n trajet</numerusform>
            <numerusform>%n trajets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a rate up to a distance driven</comment>
        <translation>%1 jusqu&apos;à %2</translation>
    </message>
    <message>
        <source>%1 after</source>
        <comment>a rate after the last distance</comment>
        <translation>%1 au-delà</translation>
    </message>
    <message>
        <source>to %2: %1</source>
        <translation>jusqu&apos;au %2 : %1</translation>
    </message>
    <message>
        <source>from %2 to %3: %1</source>
        <translation>du %2 au %3 : %1</translation>
    </message>
    <message>
        <source>from %2: %1</source>
        <translation>à partir du %2 : %1</translation>
    </message>
</context>
<context>
    <name>OldStoreReaders</name>
    <message>
        <source>Bytes of the line are not UTF-8 text.</source>
        <translation>Des octets de la ligne ne sont pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>The first line is not &quot;%1&quot;.</source>
        <translation>La première ligne n&apos;est pas « %1 ».</translation>
    </message>
    <message>
        <source>The line holds a bare carriage return.</source>
        <translation>La ligne contient un retour chariot isolé.</translation>
    </message>
    <message>
        <source>The line is neither RowCount nor a row.</source>
        <translation>La ligne n&apos;est ni RowCount ni une ligne.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a row number.</source>
        <translation>« %1 » n&apos;est pas un numéro de ligne.</translation>
    </message>
    <message>
        <source>Row %1 is given twice.</source>
        <translation>La ligne %1 est donnée deux fois.</translation>
    </message>
    <message>
        <source>The row does not have eight fields.</source>
        <translation>La ligne n&apos;a pas huit champs.</translation>
    </message>
    <message>
        <source>A field ends in a lone backslash.</source>
        <translation>Un champ se termine par une barre oblique inverse isolée.</translation>
    </message>
    <message>
        <source>A field holds the unknown escape &quot;\%1&quot;.</source>
        <translation>Un champ contient l&apos;échappement inconnu « \%1 ».</translation>
    </message>
    <message>
        <source>The line is no key with a value.</source>
        <translation>La ligne n&apos;est pas une clé avec une valeur.</translation>
    </message>
    <message>
        <source>The section name is not closed.</source>
        <translation>Le nom de section n&apos;est pas fermé.</translation>
    </message>
    <message>
        <source>The key is given again; this value is read.</source>
        <translation>La clé est donnée à nouveau ; cette valeur est lue.</translation>
    </message>
    <message>
        <source>The key looks like a row&apos;s but is none; it stays an ordinary key.</source>
        <translation>La clé ressemble à celle d&apos;une ligne sans en être une ; elle reste une clé ordinaire.</translation>
    </message>
    <message>
        <source>The typed value cannot be read.</source>
        <translation>La valeur typée ne peut pas être lue.</translation>
    </message>
</context>
<context>
    <name>OsError</name>
    <message>
        <source>The disk is full (writing %1).</source>
        <translation>Le disque est plein (écriture de %1).</translation>
    </message>
    <message>
        <source>The disk of %1 is read-only.</source>
        <translation>Le disque de %1 est en lecture seule.</translation>
    </message>
    <message>
        <source>There is no permission to write %1.</source>
        <translation>Pas d&apos;autorisation d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 est un fichier, pas un dossier.</translation>
    </message>
</context>
<context>
    <name>RateSchedule</name>
    <message>
        <source>A rate cannot be below 0.</source>
        <translation>Un taux ne peut pas être inférieur à 0.</translation>
    </message>
    <message>
        <source>A distance cannot be below 0.</source>
        <translation>Une distance ne peut pas être inférieure à 0.</translation>
    </message>
    <message>
        <source>A change needs a date, a distance or both.</source>
        <translation>Un changement demande une date, une distance ou les deux.</translation>
    </message>
</context>
<context>
    <name>ReportFormats</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>Excel Files (*.xls)</source>
        <translation>Fichiers Excel (*.xls)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReportTool</name>
    <message>
        <source>(answered Yes)</source>
        <translation>(réponse : Oui)</translation>
    </message>
    <message>
        <source>The report has no picture to write.</source>
        <translation>Le rapport n&apos;a pas d&apos;image à écrire.</translation>
    </message>
    <message>
        <source>cannot read the settings file &quot;%1&quot;</source>
        <translation>impossible de lire le fichier de paramètres « %1 »</translation>
    </message>
    <message>
        <source>the trip log could not be read: %1</source>
        <translation>le journal des trajets n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>cannot read the trips file &quot;%1&quot;: %2</source>
        <translation>impossible de lire le fichier de trajets « %1 » : %2</translation>
    </message>
    <message>
        <source>no trips in &quot;%1&quot;: %2</source>
        <translation>aucun trajet dans « %1 » : %2</translation>
    </message>
    <message>
        <source>lines of &quot;%1&quot; left out:</source>
        <translation>lignes de « %1 » écartées :</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 trips</source>
        <translation>« %1 » contient plus de %2 trajets</translation>
    </message>
    <message>
        <source>cannot read the rates file &quot;%1&quot;: %2</source>
        <translation>impossible de lire le fichier de taux « %1 » : %2</translation>
    </message>
    <message>
        <source>no rates in &quot;%1&quot;: %2</source>
        <translation>aucun taux dans « %1 » : %2</translation>
    </message>
    <message>
        <source>lines of &quot;%1&quot; that cannot be read; nothing was written:
%2</source>
        <translation>lignes de « %1 » illisibles ; rien n&apos;a été écrit :
%2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>the output file is missing</source>
        <translation>le fichier de sortie manque</translation>
    </message>
    <message>
        <source>only one output file can be given</source>
        <translation>un seul fichier de sortie est possible</translation>
    </message>
    <message>
        <source>--sample and --settings exclude each other</source>
        <translation>--sample et --settings s&apos;excluent</translation>
    </message>
    <message>
        <source>the picture file must end in .bmp or .png</source>
        <translation>le fichier image doit se terminer par .bmp ou .png</translation>
    </message>
    <message>
        <source>the picture and the workbook cannot be the same file</source>
        <translation>l&apos;image et le classeur ne peuvent pas être le même fichier</translation>
    </message>
    <message>
        <source>the stored entries could not be read; no report was made</source>
        <translation>les saisies enregistrées n&apos;ont pas pu être lues ; aucun rapport n&apos;a été créé</translation>
    </message>
    <message>
        <source>the report could not be made; nothing was written</source>
        <translation>le rapport n&apos;a pas pu être créé ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Essayez « %1 --help » pour en savoir plus.</translation>
    </message>
    <message>
        <source>printed</source>
        <translation>imprimée</translation>
    </message>
    <message>
        <source>paid %1</source>
        <translation>payée le %1</translation>
    </message>
    <message>
        <source>the trip log %1 has no database yet; open the program once, then record the claim</source>
        <translation>le journal des trajets %1 n&apos;a pas encore de base ; ouvrez le programme une fois, puis enregistrez la note de frais</translation>
    </message>
    <message>
        <source>the trip log %1 is open in the program, so no claim can be recorded; close it and run again</source>
        <translation>le journal des trajets %1 est ouvert dans le programme, aucune note de frais ne peut être enregistrée ; fermez-le et relancez</translation>
    </message>
    <message>
        <source>the trip log %1 was written by a newer version of the program; no claim was recorded</source>
        <translation>le journal des trajets %1 a été écrit par une version plus récente du programme ; aucune note de frais n&apos;a été enregistrée</translation>
    </message>
    <message>
        <source>Claims: %1</source>
        <translation>Notes de frais : %1</translation>
    </message>
    <message>
        <source>Chain length: %1</source>
        <translation>Longueur de la chaîne : %1</translation>
    </message>
    <message>
        <source>Chain head: %1</source>
        <translation>Tête de chaîne : %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>the chain does not hold from %1 on: the log was changed outside the program</source>
        <translation>la chaîne est rompue à partir de %1 : le journal a été modifié hors du programme</translation>
    </message>
    <message>
        <source>there is no claim %1; nothing was written</source>
        <translation>il n&apos;y a pas de note de frais %1 ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>recorded claim %1</source>
        <translation>note de frais %1 enregistrée</translation>
    </message>
    <message>
        <source>the report was written to %1, but no claim was recorded: %2</source>
        <translation>la note de frais a été écrite dans %1, mais n&apos;a pas été enregistrée : %2</translation>
    </message>
    <message>
        <source>only one of --record-claim, --claims, --check-history and --claim can be given</source>
        <translation>une seule des options --record-claim, --claims, --check-history et --claim est possible</translation>
    </message>
    <message>
        <source>--claims and --check-history take no output file and no report options</source>
        <translation>--claims et --check-history n&apos;acceptent ni fichier de sortie ni option de rapport</translation>
    </message>
    <message>
        <source>--claim makes the claim&apos;s report from what it holds: it takes no report options</source>
        <translation>--claim recrée la note de frais à partir de son contenu : il n&apos;accepte aucune option de rapport</translation>
    </message>
    <message>
        <source>the output of --claim must end in .xls, .xlsx or .pdf</source>
        <translation>la sortie de --claim doit se terminer par .xls, .xlsx ou .pdf</translation>
    </message>
    <message>
        <source>--record-claim records the stored trips only: not with --sample or --trips</source>
        <translation>--record-claim n&apos;enregistre que les trajets enregistrés : pas avec --sample ni --trips</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 attend %2</translation>
    </message>
    <message>
        <source>--claim needs a claim number</source>
        <translation>--claim attend un numéro de note de frais</translation>
    </message>
    <message>
        <source>--claim needs a claim number from 1 on, not &quot;%1&quot;</source>
        <translation>--claim attend un numéro de note de frais à partir de 1, pas « %1 »</translation>
    </message>
    <message>
        <source>--unit takes km or mi, not %1</source>
        <translation>--unit accepte km ou mi, pas %1</translation>
    </message>
    <message>
        <source>--list-drives needs a file to read</source>
        <translation>--list-drives a besoin d&apos;un fichier à lire</translation>
    </message>
    <message>
        <source>--min-stop takes whole minutes from 1 to 1440, not %1</source>
        <translation>--min-stop prend des minutes entières de 1 à 1440, pas %1</translation>
    </message>
    <message>
        <source>%1	%2	%3 to %4	%5	%6	%7</source>
        <translation>%1	%2	%3 au %4	%5	%6	%7</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s)</source>
        <translation>
            <numerusform>%n trajet</numerusform>
            <numerusform>%n trajets</numerusform>
        </translation>
    </message>
    <message>
        <source>--min-stop goes with --list-drives</source>
        <translation>--min-stop va avec --list-drives</translation>
    </message>
    <message>
        <source>the trip log %1 cannot be locked, so no claim can be recorded: %2</source>
        <translation>le journal des trajets %1 ne peut pas être verrouillé, aucune note de frais ne peut être enregistrée : %2</translation>
    </message>
    <message>
        <source>the trip log %1 is being written by another brindlewick-report, so no claim can be recorded; run again when it has finished</source>
        <translation>le journal des trajets %1 est en cours d&apos;écriture par un autre brindlewick-report, aucune note de frais ne peut être enregistrée ; relancez quand il aura fini</translation>
    </message>
    <message>
        <source>the chain no longer holds the head %1: claims, files, paid marks or trail entries kept up to it were removed</source>
        <translation>la chaîne ne contient plus la tête %1 : des notes de frais, fichiers, marques de paiement ou entrées de l&apos;historique jusqu&apos;à elle ont été supprimés</translation>
    </message>
    <message>
        <source>--head goes with --check-history</source>
        <translation>--head s&apos;emploie avec --check-history</translation>
    </message>
    <message>
        <source>--head needs a chain head of 64 hex digits, not &quot;%1&quot;</source>
        <translation>--head demande une tête de chaîne de 64 chiffres hexadécimaux, pas « %1 »</translation>
    </message>
    <message>
        <source>--summary needs a year such as 2025, not &quot;%1&quot;</source>
        <translation>--summary demande une année comme 2025, pas « %1 »</translation>
    </message>
    <message>
        <source>the log&apos;s unit and places could not be read: %1</source>
        <translation>l&apos;unité et les lieux du carnet n&apos;ont pas pu être lus : %1</translation>
    </message>
    <message>
        <source>
Drives (--list-drives FILE...):
  --list-drives        print the drives found in the files (GPX tracks, the Timeline
                       export of a phone, months of Semantic Location History) as CSV
                       that &quot;Import Trips from CSV...&quot; reads: Date as YYYY-MM-DD, the
                       local day at the drive&apos;s start; Starting Location and Destination
                       named after the log&apos;s saved places (within each place&apos;s radius,
                       the nearest), else where the export names the places; Mileage in
                       the log&apos;s unit with one decimal. Nothing is written, the log is
                       only read. When a file cannot be read,
                       it is named with the reason and nothing is printed (status 1)
  --min-stop MINUTES   a stop, or a gap between the times of a track, this many
                       minutes long ends a drive (5 when not given)
  --unit km|mi         give Mileage in kilometres or miles instead of the log&apos;s unit
</source>
        <translation>
Trajets (--list-drives FICHIER...) :
  --list-drives        afficher les trajets trouvés dans les fichiers (traces GPX,
                       export Timeline d&apos;un téléphone, mois de l&apos;historique des
                       positions sémantique) en CSV que « Importer des trajets depuis
                       un CSV... » lit : la date au format AAAA-MM-JJ, le jour local au
                       début du trajet ; le lieu de départ et la destination d&apos;après
                       les lieux enregistrés du carnet (le plus proche dont le rayon
                       contient l&apos;extrémité), sinon lorsque l&apos;export nomme les lieux ;
                       la distance dans l&apos;unité du carnet avec une décimale. Rien
                       n&apos;est écrit, le carnet est seulement lu. Lorsqu&apos;un fichier ne
                       peut pas être lu, il est nommé avec la raison et rien n&apos;est
                       affiché (statut 1)
  --min-stop MINUTES   un arrêt, ou un écart entre les heures d&apos;une trace, de ce
                       nombre de minutes met fin à un trajet (5 par défaut)
  --unit km|mi         donner la distance en kilomètres ou en miles au lieu de
                       l&apos;unité du carnet
</translation>
    </message>
    <message>
        <source>--list-drives takes no options but --settings, --log, --unit and --min-stop</source>
        <translation>--list-drives ne prend pas d&apos;autres options que --settings, --log, --unit et --min-stop</translation>
    </message>
    <message>
        <source>--summary takes no output file and no options but --settings and --log</source>
        <translation>--summary ne prend ni fichier de sortie ni option sauf --settings et --log</translation>
    </message>
    <message>
        <source>--logs takes no options but --settings</source>
        <translation>--logs ne prend pas d&apos;autres options que --settings</translation>
    </message>
    <message>
        <source>       %1 [--settings FILE.ini] [--log NAME|FILE] [--unit km|mi] [--min-stop MINUTES] --list-drives FILE...</source>
        <translation>       %1 [--settings FICHIER.ini] [--log NOM|FICHIER] [--unit km|mi] [--min-stop MINUTES] --list-drives FICHIER...</translation>
    </message>
    <message>
        <source>Usage: %1 [--sample | [--settings FILE.ini] [--log NAME|FILE]] [--trips FILE.csv] [--rates FILE.csv] [--unit km|mi] [--currency SIGN] [--picture FILE.bmp|FILE.png] [--record-claim] OUTPUT.xls|OUTPUT.xlsx|OUTPUT.pdf
       %1 [--settings FILE.ini] [--log NAME|FILE] --claims | --check-history [--head HASH] | --claim N OUTPUT | --summary YEAR
       %1 [--settings FILE.ini] --logs</source>
        <translation>Usage : %1 [--sample | [--settings FICHIER.ini] [--log NOM|FICHIER]] [--trips FICHIER.csv] [--rates FICHIER.csv] [--unit km|mi] [--currency SIGNE] [--picture FICHIER.bmp|FICHIER.png] [--record-claim] SORTIE.xls|SORTIE.xlsx|SORTIE.pdf
        %1 [--settings FICHIER.ini] [--log NOM|FICHIER] --claims | --check-history [--head HASH] | --claim N SORTIE | --summary ANNÉE
        %1 [--settings FICHIER.ini] --logs</translation>
    </message>
    <message>
        <source>

Makes the mileage report that &quot;Start Creating Template&quot; makes, without a window, and
writes it to OUTPUT: byte for byte the file that saving the report from the preview
window writes. OUTPUT ending in .xlsx gets the same workbook as an Excel Workbook, one
ending in .pdf the report&apos;s printed pages as a PDF (suffixes in any letter case); any
other name gets the Excel 97-2003 workbook.

The log read is the one opened last in the program, or the one --log names; it is
opened read-only and never upgraded. Its employee entries and period come from the
log itself, or, for the log beside the settings before the program has moved them
into it, from the program&apos;s settings store as the program reads them when it starts
(the INI file Varnholt/Brindlewick.ini in $XDG_CONFIG_HOME or ~/.config; the
program&apos;s registry key on Windows). The trips come from the log&apos;s database
(Varnholt/Brindlewick.sqlite beside the settings, or Varnholt/logs/NAME.sqlite);
where there is no database yet, from the store as earlier versions kept them. The report
names distances in the log&apos;s unit and amounts in its currency (miles and &quot;$&quot; without
a database). Nothing is written to the log unless --record-claim is given.

Options:
  --sample             use the sample data instead of the stored entries and trips;
                       the settings store is not read
  --settings FILE.ini  read the entries from FILE.ini in the store&apos;s format and the
                       trips from FILE.sqlite beside it; the logs folder and the log
                       opened last are then the ones beside FILE.ini
  --log NAME|FILE      read that log instead of the one opened last in the program:
                       an argument with a path separator is a log&apos;s file, any other
                       the name of a known log (see --logs). A log keeps its employee
                       entries and period itself once the program has opened it, so
                       its file alone makes the report, wherever it lies
  --logs               list the known logs, one a line: name, trips (blank rows not
                       counted) and the full path of its file, separated by tabs. The
                       known logs are the one beside the settings, every .sqlite file
                       in Varnholt/logs and the logs opened elsewhere. A log that
                       cannot be read is named on standard error (status 1)
  --trips FILE.csv     use the trips of FILE.csv (as &quot;Import Trips from CSV...&quot; reads
                       it) instead of the stored or sample ones; Mileage and
                       Reimbursement are filled in where empty, with the stored or
                       sample rate; lines that cannot be read are listed and left out
  --rates FILE.csv     pay the trips at the rate changes of FILE.csv (columns &quot;From&quot;,
                       a date, ISO or your short form, and &quot;Rate&quot;, a number read as
                       the trips&apos; numbers are, and an optional &quot;From Distance&quot;, the
                       distance driven in the tax year the change applies from, with
                       which &quot;From&quot; may be empty: the start of every tax year) for
                       the report and for the fills of --trips; without it the
                       program&apos;s stored changes apply. A line that cannot be read, or
                       a rate or distance below 0, is listed with its reason and
                       nothing is written (status 1)
  --unit km|mi         name distances in kilometres or miles instead of the log&apos;s
                       unit (words only: the numbers are the log&apos;s)
  --currency SIGN      show amounts with SIGN instead of the log&apos;s currency sign, where
                       the log places its sign
  --picture FILE       also write the picture of the sheet, as BMP or PNG by the
                       file&apos;s suffix
  --record-claim       record a claim of the report written to OUTPUT in the log&apos;s
                       database, as saving it from the preview window does: what it
                       held, its trips and the file&apos;s SHA-256. The log must not be
                       open in the program (status 1, no claim; OUTPUT is kept)
  --claims             list the claims, one a line: number, saved when (UTC),
                       period, trips, total in the claim&apos;s currency, files (and when
                       it was paid)
  --claim N OUTPUT     make claim N&apos;s report again from what the claim held, in the
                       locale, unit and currency it was made in, whatever the log
                       holds now
  --check-history      print the number of claims, the length of the chain over the
                       claims and the trail of changes to claimed trips, and its head
                       (status 3 when the chain does not hold, naming where it fails).
                       No chain kept inside the log can notice its own end being cut
                       off (the last claims deleted with their links, or every claim
                       table emptied): keep the head elsewhere and give it with --head
  --head HASH          with --check-history: status 3 unless the chain still contains
                       HASH, a head kept from Claim History or an earlier check
                       (status 2 when HASH is not 64 hex digits)
  --summary YEAR       print the summary of the log&apos;s tax year that begins in YEAR
                       (the log&apos;s tax-year start, 1 January unless changed) as CSV:
                       Month,Trips,Distance,Reimbursement,Claimed,Paid,Not Yet Claimed,
                       one row a tax month labelled YYYY-MM by the month it begins in,
                       then Total; plain numbers, &apos;.&apos; for decimals, no currency sign.
                       Claimed trips moved out of the grid count too. A year without
                       trips prints its empty months; a YEAR that is not a year of
                       four digits is refused (status 2)
  -h, --help           show this text
      --version        show the program&apos;s version

Message boxes are written to standard error; a question is answered Yes. A notice
(a text cut to fit its cell, for example) is no failure. When the report cannot be
made in full, or a file cannot be written, nothing is written: an existing OUTPUT or
picture file is left as it was.

Exit status: 0 when the report was written, 1 when it failed, 2 for bad arguments
(a claim that does not exist included), 3 when --check-history finds the chain broken
or without the head given with --head.
</source>
        <translation>

Crée, sans fenêtre, la note de frais kilométriques que crée « Créer la note de frais »
et l&apos;écrit dans SORTIE : octet pour octet le fichier qu&apos;écrit l&apos;enregistrement depuis
la fenêtre d&apos;aperçu. Une SORTIE en .xlsx reçoit le même classeur au format Classeur
Excel, une en .pdf les pages imprimées du rapport en PDF (extensions en majuscules ou
minuscules) ; tout autre nom reçoit le classeur Excel 97-2003.

Le journal lu est le dernier ouvert dans le programme, ou celui que nomme --log ; il est
ouvert en lecture seule et jamais mis à niveau. Les saisies du salarié et la période
viennent du journal lui-même ou, pour le journal à côté des paramètres avant que le
programme les y ait déplacées, du magasin de paramètres du programme, comme le
programme les lit au démarrage (le fichier INI Varnholt/Brindlewick.ini dans
$XDG_CONFIG_HOME ou ~/.config ; la clé de registre du programme sous Windows). Les
trajets viennent de la base du journal (Varnholt/Brindlewick.sqlite à côté des
paramètres, ou Varnholt/logs/NOM.sqlite) ; sans base, du magasin comme les versions
antérieures les gardaient. Le rapport exprime les distances dans l&apos;unité du journal
et les montants dans sa devise (miles et « $ » sans base). Rien
n&apos;est écrit dans le journal sans --record-claim.

Options :
  --sample             utiliser les données d&apos;exemple au lieu des saisies et trajets
                       enregistrés ; le magasin de paramètres n&apos;est pas lu
  --settings FICHIER.ini  lire les saisies dans FICHIER.ini au format du magasin et
                       les trajets dans FICHIER.sqlite à côté ; le dossier des
                       journaux et le dernier ouvert sont alors ceux à côté de
                       FICHIER.ini
  --log NOM|FICHIER    lire ce journal au lieu du dernier ouvert dans le programme :
                       un argument avec un séparateur de chemin est un fichier, tout
                       autre le nom d&apos;un journal connu (voir --logs). Un journal
                       garde lui-même ses saisies et sa période dès que le programme
                       l&apos;a ouvert ; son fichier seul donne le rapport, où qu&apos;il soit
  --logs               lister les journaux connus, un par ligne : nom, trajets (lignes
                       vides non comptées) et chemin complet du fichier, séparés par
                       des tabulations. Sont connus celui à côté des paramètres, chaque
                       fichier .sqlite de Varnholt/logs et ceux ouverts ailleurs. Un
                       journal illisible est nommé sur la sortie d&apos;erreur (statut 1)
  --trips FICHIER.csv  utiliser les trajets de FICHIER.csv (lu comme « Importer des
                       trajets CSV... ») au lieu des trajets enregistrés ou
                       d&apos;exemple ; distances et indemnités vides sont complétées avec
                       le taux enregistré ou d&apos;exemple ; les lignes illisibles sont
                       listées et écartées
  --rates FICHIER.csv  payer les trajets aux changements de taux de FICHIER.csv
                       (colonnes « From », une date ISO ou au format court,
                       « Rate », un nombre lu comme ceux des trajets, et au choix
                       « From Distance », la distance parcourue dans l&apos;exercice
                       fiscal à partir de laquelle le changement s&apos;applique ; « From »
                       peut alors être vide : dès le début de chaque exercice) pour
                       le rapport et les compléments de --trips ; sans elle, les
                       changements enregistrés du programme s&apos;appliquent. Une ligne
                       illisible, ou un taux ou une distance inférieurs à 0, est
                       listée avec sa raison et rien n&apos;est écrit (code 1)
  --unit km|mi         exprimer les distances en kilomètres ou en miles au lieu de
                       l&apos;unité du journal (les mots seulement : les nombres restent)
  --currency SIGNE     afficher les montants avec SIGNE au lieu du symbole de la
                       devise du journal, là où le journal place son symbole
  --picture FICHIER    écrire aussi l&apos;image de la feuille, en BMP ou PNG selon
                       l&apos;extension du fichier
  --record-claim       enregistrer dans la base du journal la note de frais écrite
                       dans SORTIE, comme le fait l&apos;enregistrement depuis l&apos;aperçu :
                       son contenu, ses trajets et le SHA-256 du fichier. Le journal
                       ne doit pas être ouvert dans le programme (code 1, rien
                       d&apos;enregistré ; SORTIE est conservée)
  --claims             lister les notes de frais, une par ligne : numéro, date
                       d&apos;enregistrement (UTC), période, trajets, total dans la devise
                       de la note, fichiers (et date de paiement)
  --claim N SORTIE     recréer la note de frais N à partir de son contenu, dans la
                       langue, le format, l&apos;unité et la devise où elle a été créée,
                       quel que soit le contenu actuel du journal
  --check-history      afficher le nombre de notes de frais, la longueur de la
                       chaîne sur les notes et les modifications des trajets
                       déclarés, et sa tête (code 3 si la chaîne est rompue, avec
                       l&apos;endroit de la rupture). Aucune chaîne gardée dans le journal
                       ne peut remarquer que sa fin a été coupée (les dernières notes
                       supprimées avec leurs maillons, ou toutes les tables des notes
                       vidées) : gardez la tête ailleurs et donnez-la avec --head
  --head HASH          avec --check-history : code 3 si la chaîne ne contient plus
                       HASH, une tête gardée de l&apos;historique des notes ou d&apos;une
                       vérification antérieure (code 2 si HASH n&apos;a pas 64 chiffres
                       hexadécimaux)
  --summary ANNÉE      écrire la synthèse de l&apos;exercice fiscal du journal qui
                       commence en ANNÉE (le début d&apos;exercice du journal, le 1er
                       janvier sauf changement) en CSV :
                       Month,Trips,Distance,Reimbursement,Claimed,Paid,Not Yet Claimed,
                       une ligne par mois fiscal nommée YYYY-MM d&apos;après le mois où il
                       commence, puis Total ; nombres simples, « . » comme séparateur
                       décimal, sans signe monétaire. Les trajets réclamés retirés de
                       la grille comptent aussi. Une année sans trajets donne ses
                       mois vides ; une ANNÉE qui n&apos;est pas une année à quatre
                       chiffres est refusée (code 2)
  -h, --help           afficher ce texte
      --version        afficher la version du programme

Les boîtes de message sont écrites sur la sortie d&apos;erreur ; une question reçoit la
réponse Oui. Un avis (un texte coupé pour tenir dans sa cellule, par exemple) n&apos;est
pas un échec. Si le rapport ne peut pas être créé en entier ou un fichier ne peut pas
être écrit, rien n&apos;est écrit : une SORTIE ou une image existante reste telle quelle.

Code de sortie : 0 si le rapport a été écrit, 1 en cas d&apos;échec, 2 pour des arguments
incorrects (dont une note de frais inexistante), 3 si --check-history trouve la
chaîne rompue ou sans la tête donnée avec --head.
</translation>
    </message>
    <message>
        <source>--sample and --log exclude each other</source>
        <translation>--sample et --log s&apos;excluent</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot write the settings to %1</source>
        <translation>Impossible d&apos;écrire les paramètres dans %1</translation>
    </message>
    <message>
        <source>The employee data and the period could not be moved into the log: %1 They stay in the settings file %2.</source>
        <translation>Les données du salarié et la période n&apos;ont pas pu être déplacées dans le journal : %1 Elles restent dans le fichier de paramètres %2.</translation>
    </message>
    <message>
        <source>The log %1 is open read-only, so the employee data and the period are not kept.</source>
        <translation>Le journal %1 est ouvert en lecture seule : les données du salarié et la période ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>Cannot write the log %1: %2</source>
        <translation>Impossible d&apos;écrire le journal %1 : %2</translation>
    </message>
</context>
<context>
    <name>Spreadsheet</name>
    <message>
        <source>No spreadsheet application instance is set.</source>
        <translation>Aucune instance du tableur n&apos;est définie.</translation>
    </message>
    <message>
        <source>The spreadsheet application has been quit; its objects can no longer be used.</source>
        <translation>Le tableur a été quitté ; ses objets ne sont plus utilisables.</translation>
    </message>
    <message>
        <source>No workbook is set.</source>
        <translation>Aucun classeur n&apos;est défini.</translation>
    </message>
    <message>
        <source>The workbook has been closed; its objects can no longer be used.</source>
        <translation>Le classeur a été fermé ; ses objets ne sont plus utilisables.</translation>
    </message>
    <message>
        <source>No workbook is open.</source>
        <translation>Aucun classeur n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>Subscript out of range: there is no item %1; the collection has %2.</source>
        <translation>L&apos;indice n&apos;appartient pas à la sélection : il n&apos;y a pas d&apos;élément %1 ; la collection en a %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cell or range address.</source>
        <translation>« %1 » n&apos;est pas une adresse de cellule ou de plage.</translation>
    </message>
    <message>
        <source>EnableCancelKey cannot be %1; it is 0, 1 or 2.</source>
        <translation>EnableCancelKey ne peut pas valoir %1 ; il vaut 0, 1 ou 2.</translation>
    </message>
    <message>
        <source>Cursor cannot be %1; it is -4143, 1, 2 or 3.</source>
        <translation>Cursor ne peut pas valoir %1 ; il vaut -4143, 1, 2 ou 3.</translation>
    </message>
    <message>
        <source>A new workbook has 1 to 255 sheets, not %1.</source>
        <translation>Un nouveau classeur a de 1 à 255 feuilles, pas %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a row or a range of rows.</source>
        <translation>« %1 » n&apos;est ni une ligne ni une plage de lignes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a column or a range of columns.</source>
        <translation>« %1 » n&apos;est ni une colonne ni une plage de colonnes.</translation>
    </message>
    <message>
        <source>No other spreadsheet application instance is running.</source>
        <translation>Aucune autre instance du tableur n&apos;est en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>The spreadsheet application could not be started.</source>
        <translation>Le tableur n&apos;a pas pu être démarré.</translation>
    </message>
    <message>
        <source>There is no border number %1: the borders of a range are numbered 7 to 12.</source>
        <translation>Il n&apos;y a pas de bordure numéro %1 : les bordures d&apos;une plage sont numérotées de 7 à 12.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Le presse-papiers ne contient aucune image.</translation>
    </message>
    <message>
        <source>A range can only be selected on the active sheet of the active workbook.</source>
        <translation>Une plage ne peut être sélectionnée que sur la feuille active du classeur actif.</translation>
    </message>
    <message>
        <source>%1 is not a horizontal alignment.</source>
        <translation>%1 n&apos;est pas un alignement horizontal.</translation>
    </message>
    <message>
        <source>%1 is not a vertical alignment.</source>
        <translation>%1 n&apos;est pas un alignement vertical.</translation>
    </message>
    <message>
        <source>A number format has at most 255 characters.</source>
        <translation>Un format de nombre a au plus 255 caractères.</translation>
    </message>
    <message>
        <source>A row height is 0 to 409 points, not %1.</source>
        <translation>Une hauteur de ligne va de 0 à 409 points, pas %1.</translation>
    </message>
    <message>
        <source>The height of every row of the sheet cannot be set at once.</source>
        <translation>La hauteur de toutes les lignes de la feuille ne peut pas être définie d&apos;un coup.</translation>
    </message>
    <message>
        <source>A column width is 0 to 255 characters, not %1.</source>
        <translation>Une largeur de colonne va de 0 à 255 caractères, pas %1.</translation>
    </message>
    <message>
        <source>A formula can be entered into cells, not into whole rows or columns.</source>
        <translation>Une formule se saisit dans des cellules, pas dans des lignes ou colonnes entières.</translation>
    </message>
    <message>
        <source>The picture of the range %1 could not be made.</source>
        <translation>L&apos;image de la plage %1 n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a font name.</source>
        <translation>« %1 » n&apos;est pas un nom de police.</translation>
    </message>
    <message>
        <source>A font size is 1 to 409 points, not %1.</source>
        <translation>Une taille de police va de 1 à 409 points, pas %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a font style; use Regular, Bold, Italic or Bold Italic.</source>
        <translation>« %1 » n&apos;est pas un style de police ; utilisez Regular, Bold, Italic ou Bold Italic.</translation>
    </message>
    <message>
        <source>%1 is not a font colour index.</source>
        <translation>%1 n&apos;est pas un indice de couleur de police.</translation>
    </message>
    <message>
        <source>%1 is not a fill colour index.</source>
        <translation>%1 n&apos;est pas un indice de couleur de remplissage.</translation>
    </message>
    <message>
        <source>%1 is not a border line style.</source>
        <translation>%1 n&apos;est pas un style de trait de bordure.</translation>
    </message>
    <message>
        <source>%1 is not a border colour index.</source>
        <translation>%1 n&apos;est pas un indice de couleur de bordure.</translation>
    </message>
    <message>
        <source>The workbook %1 has no sheets.</source>
        <translation>Le classeur %1 n&apos;a aucune feuille.</translation>
    </message>
    <message>
        <source>File format %1 cannot be written; only the Excel 97-2003 workbook (56 or -4143) can.</source>
        <translation>Le format de fichier %1 ne peut pas être écrit ; seul le classeur Excel 97-2003 (56 ou -4143) peut l&apos;être.</translation>
    </message>
    <message>
        <source>A workbook cannot be saved without a file name.</source>
        <translation>Un classeur ne peut pas être enregistré sans nom de fichier.</translation>
    </message>
    <message>
        <source>The worksheet has been deleted.</source>
        <translation>La feuille de calcul a été supprimée.</translation>
    </message>
    <message>
        <source>%1 cannot be %2 points.</source>
        <translation>%1 ne peut pas valoir %2 points.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a range address for the print area.</source>
        <translation>« %1 » n&apos;est pas une adresse de plage pour la zone d&apos;impression.</translation>
    </message>
    <message>
        <source>PrintComments cannot be %1; it is -4142, 1 or 16.</source>
        <translation>PrintComments ne peut pas valoir %1 ; il vaut -4142, 1 ou 16.</translation>
    </message>
    <message>
        <source>Orientation cannot be %1; it is 1 or 2.</source>
        <translation>Orientation ne peut pas valoir %1 ; il vaut 1 ou 2.</translation>
    </message>
    <message>
        <source>There is no paper size %1.</source>
        <translation>Il n&apos;y a pas de format de papier %1.</translation>
    </message>
    <message>
        <source>Zoom is False or a percentage from 10 to 400, not True.</source>
        <translation>Zoom vaut False ou un pourcentage de 10 à 400, pas True.</translation>
    </message>
    <message>
        <source>Zoom is False or a percentage from 10 to 400, not %1.</source>
        <translation>Zoom vaut False ou un pourcentage de 10 à 400, pas %1.</translation>
    </message>
    <message>
        <source>FitToPagesWide cannot be %1.</source>
        <translation>FitToPagesWide ne peut pas valoir %1.</translation>
    </message>
    <message>
        <source>FitToPagesTall cannot be %1.</source>
        <translation>FitToPagesTall ne peut pas valoir %1.</translation>
    </message>
    <message>
        <source>The formula is too long to be saved in an Excel 97-2003 workbook.</source>
        <translation>La formule est trop longue pour être enregistrée dans un classeur Excel 97-2003.</translation>
    </message>
    <message>
        <source>The formula refers to a cell outside the worksheet.</source>
        <translation>La formule fait référence à une cellule hors de la feuille.</translation>
    </message>
    <message>
        <source>The formula holds a number that cannot be saved.</source>
        <translation>La formule contient un nombre qui ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>A text in the formula is longer than 255 characters.</source>
        <translation>Un texte de la formule dépasse 255 caractères.</translation>
    </message>
    <message>
        <source>The function %1 cannot be saved in an Excel 97-2003 workbook.</source>
        <translation>La fonction %1 ne peut pas être enregistrée dans un classeur Excel 97-2003.</translation>
    </message>
    <message>
        <source>The function %1 has a wrong number of arguments.</source>
        <translation>La fonction %1 a un mauvais nombre d&apos;arguments.</translation>
    </message>
    <message>
        <source>The formula is malformed.</source>
        <translation>La formule est mal formée.</translation>
    </message>
    <message>
        <source>The formula is too complex.</source>
        <translation>La formule est trop complexe.</translation>
    </message>
    <message>
        <source>The formula is longer than %1 characters.</source>
        <translation>La formule dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The formula is empty.</source>
        <translation>La formule est vide.</translation>
    </message>
    <message>
        <source>The formula ends too early.</source>
        <translation>La formule se termine trop tôt.</translation>
    </message>
    <message>
        <source>The formula has an unexpected &quot;%1&quot;.</source>
        <translation>La formule contient un « %1 » inattendu.</translation>
    </message>
    <message>
        <source>The formula is nested too deeply.</source>
        <translation>La formule est trop profondément imbriquée.</translation>
    </message>
    <message>
        <source>A parenthesis is not closed.</source>
        <translation>Une parenthèse n&apos;est pas fermée.</translation>
    </message>
    <message>
        <source>A text in the formula has no closing quotation mark.</source>
        <translation>Un texte de la formule n&apos;a pas de guillemet fermant.</translation>
    </message>
    <message>
        <source>A text in a formula can hold at most %1 characters.</source>
        <translation>Un texte dans une formule contient au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <translation>Le nombre %1 est trop grand.</translation>
    </message>
    <message>
        <source>References to other sheets are not supported.</source>
        <translation>Les références à d&apos;autres feuilles ne sont pas prises en charge.</translation>
    </message>
    <message>
        <source>The formula uses an unknown name: %1.</source>
        <translation>La formule utilise un nom inconnu : %1.</translation>
    </message>
    <message>
        <source>The formula uses an unknown function: %1.</source>
        <translation>La formule utilise une fonction inconnue : %1.</translation>
    </message>
    <message>
        <source>The function %1 has too many arguments.</source>
        <translation>La fonction %1 a trop d&apos;arguments.</translation>
    </message>
    <message>
        <source>The function %1 takes %2 argument(s).</source>
        <translation>La fonction %1 prend %2 argument(s).</translation>
    </message>
    <message>
        <source>The function %1 takes %2 to %3 arguments.</source>
        <translation>La fonction %1 prend de %2 à %3 arguments.</translation>
    </message>
    <message>
        <source>The reference %1 points outside the sheet.</source>
        <translation>La référence %1 pointe hors de la feuille.</translation>
    </message>
    <message>
        <source>The range %1 is not valid.</source>
        <translation>La plage %1 n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>A sheet name cannot be empty.</source>
        <translation>Un nom de feuille ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A sheet name cannot be longer than 31 characters.</source>
        <translation>Un nom de feuille ne peut pas dépasser 31 caractères.</translation>
    </message>
    <message>
        <source>A sheet name cannot contain any of these characters: : \ / ? * [ ]</source>
        <translation>Un nom de feuille ne peut contenir aucun de ces caractères : : \ / ? * [ ]</translation>
    </message>
    <message>
        <source>A sheet name cannot begin or end with an apostrophe.</source>
        <translation>Un nom de feuille ne peut pas commencer ni finir par une apostrophe.</translation>
    </message>
    <message>
        <source>Cannot rename a sheet to the same name as another sheet.</source>
        <translation>Impossible de donner à une feuille le nom d&apos;une autre feuille.</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>L&apos;indice n&apos;appartient pas à la sélection</translation>
    </message>
    <message>
        <source>A workbook must contain at least one visible worksheet.</source>
        <translation>Un classeur doit contenir au moins une feuille de calcul visible.</translation>
    </message>
    <message>
        <source>The range to picture lies outside the sheet.</source>
        <translation>La plage à représenter est hors de la feuille.</translation>
    </message>
    <message>
        <source>The range to picture has no visible cells.</source>
        <translation>La plage à représenter n&apos;a aucune cellule visible.</translation>
    </message>
    <message>
        <source>The sheet has nothing to print.</source>
        <translation>La feuille n&apos;a rien à imprimer.</translation>
    </message>
    <message>
        <source>Printing the sheet needs the graphical application to be running.</source>
        <translation>L&apos;impression de la feuille nécessite que l&apos;application graphique fonctionne.</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>Les pages n&apos;ont pas pu être imprimées.</translation>
    </message>
    <message>
        <source>The PDF cannot be saved to %1: %2</source>
        <translation>Le PDF ne peut pas être enregistré dans %1 : %2</translation>
    </message>
    <message>
        <source>Measuring text needs the graphical application to be running.</source>
        <translation>La mesure du texte nécessite que l&apos;application graphique fonctionne.</translation>
    </message>
    <message>
        <source>A picture of the sheet needs the graphical application to be running.</source>
        <translation>Une image de la feuille nécessite que l&apos;application graphique fonctionne.</translation>
    </message>
    <message>
        <source>Painting the sheet needs the graphical application to be running.</source>
        <translation>Le dessin de la feuille nécessite que l&apos;application graphique fonctionne.</translation>
    </message>
    <message>
        <source>The picture file is damaged: %1.</source>
        <translation>Le fichier image est endommagé : %1.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Il n&apos;y a aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>The picture could not be written: %1</source>
        <translation>L&apos;image n&apos;a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>The picture is too large for a BMP file.</source>
        <translation>L&apos;image est trop grande pour un fichier BMP.</translation>
    </message>
    <message>
        <source>The picture could not be compressed.</source>
        <translation>L&apos;image n&apos;a pas pu être compressée.</translation>
    </message>
    <message>
        <source>There is no picture to write.</source>
        <translation>Il n&apos;y a aucune image à écrire.</translation>
    </message>
    <message>
        <source>A picture is written as BMP or PNG only.</source>
        <translation>Une image s&apos;écrit en BMP ou en PNG uniquement.</translation>
    </message>
    <message>
        <source>The workbook could not be packed into its file container.</source>
        <translation>Le classeur n&apos;a pas pu être placé dans son conteneur de fichier.</translation>
    </message>
    <message>
        <source>The file is not a readable workbook: its container is damaged (%1).</source>
        <translation>Le fichier n&apos;est pas un classeur lisible : son conteneur est endommagé (%1).</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook.</source>
        <translation>Le fichier n&apos;est pas un classeur Excel 97-2003.</translation>
    </message>
    <message>
        <source>The file is not an Excel 97-2003 workbook: it holds no workbook data.</source>
        <translation>Le fichier n&apos;est pas un classeur Excel 97-2003 : il ne contient aucune donnée de classeur.</translation>
    </message>
    <message>
        <source>The workbook cannot be written: a record is longer than the file format allows.</source>
        <translation>Le classeur ne peut pas être écrit : un enregistrement dépasse ce que permet le format de fichier.</translation>
    </message>
    <message>
        <source>The file is damaged: the workbook data ends in the middle of a record.</source>
        <translation>Le fichier est endommagé : les données du classeur s&apos;arrêtent au milieu d&apos;un enregistrement.</translation>
    </message>
    <message>
        <source>The workbook file is damaged: %1.</source>
        <translation>Le fichier du classeur est endommagé : %1.</translation>
    </message>
    <message>
        <source>a text is cut short</source>
        <translation>un texte est tronqué</translation>
    </message>
    <message>
        <source>The workbook is protected with a password and cannot be opened.</source>
        <translation>Le classeur est protégé par un mot de passe et ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>the workbook data ends early</source>
        <translation>les données du classeur s&apos;arrêtent trop tôt</translation>
    </message>
    <message>
        <source>The workbook was saved in a format older than Excel 97-2003, which cannot be read.</source>
        <translation>Le classeur a été enregistré dans un format antérieur à Excel 97-2003, qui ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The workbook holds no worksheet.</source>
        <translation>Le classeur ne contient aucune feuille de calcul.</translation>
    </message>
    <message>
        <source>two sheets share their data</source>
        <translation>deux feuilles partagent leurs données</translation>
    </message>
    <message>
        <source>a sheet lies outside the file</source>
        <translation>une feuille se trouve hors du fichier</translation>
    </message>
    <message>
        <source>a sheet does not start where the workbook says</source>
        <translation>une feuille ne commence pas là où le classeur l&apos;indique</translation>
    </message>
    <message>
        <source>a sheet ends early</source>
        <translation>une feuille s&apos;arrête trop tôt</translation>
    </message>
    <message>
        <source>a cell refers to a missing shared text</source>
        <translation>une cellule fait référence à un texte partagé manquant</translation>
    </message>
    <message>
        <source>The workbook %1 cannot be opened: %2</source>
        <translation>Le classeur %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>The workbook uses more cell formats than an Excel 97-2003 workbook can hold.</source>
        <translation>Le classeur utilise plus de formats de cellule qu&apos;un classeur Excel 97-2003 ne peut en contenir.</translation>
    </message>
    <message>
        <source>A cell refers to a format the workbook does not hold.</source>
        <translation>Une cellule fait référence à un format absent du classeur.</translation>
    </message>
    <message>
        <source>A cell holds more than 32,767 characters, more than an Excel 97-2003 workbook can hold.</source>
        <translation>Une cellule contient plus de 32 767 caractères, plus qu&apos;un classeur Excel 97-2003 ne peut en contenir.</translation>
    </message>
    <message>
        <source>A workbook must contain at least one worksheet.</source>
        <translation>Un classeur doit contenir au moins une feuille de calcul.</translation>
    </message>
    <message>
        <source>The workbook cannot be saved to %1: %2</source>
        <translation>Le classeur ne peut pas être enregistré dans %1 : %2</translation>
    </message>
    <message>
        <source>The workbook package could not be read back.</source>
        <translation>Le paquet du classeur n&apos;a pas pu être relu.</translation>
    </message>
    <message>
        <source>The workbook could not be packed into its zip file.</source>
        <translation>Le classeur n&apos;a pas pu être compressé dans son fichier zip.</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1 in %2 %3.</source>
        <translation>Le classeur n&apos;a pas pu être écrit : %1 dans %2 %3.</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1</source>
        <translation>Le classeur n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>A cell holds more than 32,767 characters, more than an Excel workbook can hold.</source>
        <translation>Une cellule contient plus de 32 767 caractères, plus qu&apos;un classeur Excel ne peut en contenir.</translation>
    </message>
    <message>
        <source>The sheet name %1 cannot be written.</source>
        <translation>Le nom de feuille %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>The file is damaged: a record ends before its data.</source>
        <translation>Le fichier est endommagé : un enregistrement s&apos;arrête avant ses données.</translation>
    </message>
</context>
<context>
    <name>StepTrap</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>StoredInputs</name>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
</context>
<context>
    <name>SummaryChart</name>
    <message>
        <source>Claimed</source>
        <translation>Réclamé</translation>
    </message>
    <message>
        <source>Not yet claimed</source>
        <translation>Pas encore réclamé</translation>
    </message>
</context>
<context>
    <name>TaxYear</name>
    <message>
        <source>There is no month %1.</source>
        <translation>Il n&apos;y a pas de mois %1.</translation>
    </message>
    <message>
        <source>%1 has no day %2.</source>
        <translation>%1 n&apos;a pas de jour %2.</translation>
    </message>
    <message>
        <source>A tax year cannot start on 29 February, which most years lack.</source>
        <translation>Un exercice fiscal ne peut pas commencer le 29 février, que la plupart des années n&apos;ont pas.</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>Cannot create the temporary folder %1</source>
        <translation>Impossible de créer le dossier temporaire %1</translation>
    </message>
    <message>
        <source>The temporary folder %1 is not a private folder of this user</source>
        <translation>Le dossier temporaire %1 n&apos;est pas un dossier privé de cet utilisateur</translation>
    </message>
    <message>
        <source>Cannot protect the temporary folder %1</source>
        <translation>Impossible de protéger le dossier temporaire %1</translation>
    </message>
</context>
<context>
    <name>TripBook</name>
    <message numerus="yes">
        <source>%n trip(s)</source>
        <translation>
            <numerusform>%n trajet</numerusform>
            <numerusform>%n trajets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 → %2: %3</source>
        <translation>%1 → %2 : %3</translation>
    </message>
    <message>
        <source>%1 → %2: %3 %4, %5</source>
        <translation>%1 → %2 : %3 %4, %5</translation>
    </message>
</context>
<context>
    <name>TripChecks</name>
    <message>
        <source>Reimbursement %1 is not %2 × %3 = %4</source>
        <translation>L&apos;indemnité %1 n&apos;est pas %2 × %3 = %4</translation>
    </message>
    <message>
        <source>The trip has no Date.</source>
        <translation>Le trajet n&apos;a pas de date.</translation>
    </message>
    <message>
        <source>Date is not a date.</source>
        <translation>La date n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>Date lies outside the period %1 to %2.</source>
        <translation>La date est hors de la période du %1 au %2.</translation>
    </message>
    <message>
        <source>Odometer Start is not a number.</source>
        <translation>Compteur départ n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Odometer End is not a number.</source>
        <translation>Compteur arrivée n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Odometer End is below Odometer Start.</source>
        <translation>Compteur arrivée est inférieur à Compteur départ.</translation>
    </message>
    <message>
        <source>Mileage %1 differs from Odometer End - Odometer Start (%2).</source>
        <translation>La distance %1 diffère de Compteur arrivée − Compteur départ (%2).</translation>
    </message>
    <message>
        <source>Odometer Start is below the previous row&apos;s Odometer End (%1).</source>
        <translation>Compteur départ est inférieur au Compteur arrivée de la ligne précédente (%1).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Row %1: %2</source>
        <translation><byte value="xd"/>
Ligne %1 : %2</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Create the report anyway?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Créer le rapport quand même ?</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) carry a warning:</source>
        <translation>
            <numerusform>%n ligne porte un avertissement :</numerusform>
            <numerusform>%n lignes portent un avertissement :</numerusform>
        </translation>
    </message>
    <message>
        <source>This rate is not a number: no Reimbursement is filled in or checked from it. The form shows it as typed.</source>
        <translation>Ce taux n&apos;est pas un nombre : aucune indemnité n&apos;est remplie ni vérifiée à partir de lui. La note de frais l&apos;affiche tel que saisi.</translation>
    </message>
    <message>
        <source>Reimbursement %1 is not %2 at its rates by distance = %3</source>
        <translation>Le remboursement %1 n&apos;est pas %2 à ses taux selon la distance = %3</translation>
    </message>
</context>
<context>
    <name>TripsCsv</name>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un champ entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>du texte suit un guillemet fermant</translation>
    </message>
    <message>
        <source>%1 fields where the first line names %2</source>
        <translation>%1 champs alors que la première ligne en nomme %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>« %1 » n&apos;est pas une date</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>« %1 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus de %1 caractères</translation>
    </message>
    <message>
        <source>The first line names none of the columns %1.</source>
        <translation>La première ligne ne nomme aucune des colonnes %1.</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>pas de date</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>pas de nombre</translation>
    </message>
    <message>
        <source>The first line does not name the columns From and Rate.</source>
        <translation>La première ligne ne nomme pas les colonnes From et Rate.</translation>
    </message>
    <message>
        <source>a second change on %1</source>
        <translation>un second changement le %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <translation>ligne %1, %2 : %3</translation>
    </message>
    <message>
        <source>a distance cannot be below 0</source>
        <translation>une distance ne peut pas être inférieure à 0</translation>
    </message>
    <message>
        <source>a rate cannot be below 0</source>
        <translation>un taux ne peut pas être inférieur à 0</translation>
    </message>
    <message>
        <source>a second change at %1 on %2</source>
        <translation>un second changement à %1 le %2</translation>
    </message>
</context>
<context>
    <name>bw::ClaimHistoryDialog</name>
    <message>
        <source>Claim History</source>
        <translation>Historique des notes de frais</translation>
    </message>
    <message>
        <source>Claims</source>
        <translation>Notes de frais</translation>
    </message>
    <message>
        <source>The log holds no claims yet: a report saved or printed from the preview becomes one.</source>
        <translation>Le journal ne contient encore aucune note de frais : chaque note enregistrée ou imprimée depuis l&apos;aperçu en devient une.</translation>
    </message>
    <message>
        <source>Chain head</source>
        <translation>Tête de chaîne</translation>
    </message>
    <message>
        <source>The checksum over every claim and every recorded change; keep it to prove later that the history was not changed.</source>
        <translation>La somme de contrôle de toutes les notes de frais et de toutes les modifications enregistrées ; conservez-la pour prouver plus tard que l&apos;historique n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Checking the history…</source>
        <translation>Vérification de l&apos;historique…</translation>
    </message>
    <message>
        <source>&amp;Save Again As…</source>
        <translation>&amp;Réenregistrer sous…</translation>
    </message>
    <message>
        <source>Makes the chosen claim&apos;s report again, as it was, into a file you choose.</source>
        <translation>Recrée la note de frais choisie, telle qu&apos;elle était, dans un fichier de votre choix.</translation>
    </message>
    <message>
        <source>&amp;Export Trips to CSV…</source>
        <translation>&amp;Exporter les trajets en CSV…</translation>
    </message>
    <message>
        <source>Writes the chosen claim&apos;s trips to a CSV file.</source>
        <translation>Écrit les trajets de la note de frais choisie dans un fichier CSV.</translation>
    </message>
    <message>
        <source>&amp;Open Containing Folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Opens the folder of the chosen claim&apos;s saved file.</source>
        <translation>Ouvre le dossier du fichier enregistré de la note de frais choisie.</translation>
    </message>
    <message>
        <source>Mark as &amp;Paid</source>
        <translation>Marquer comme &amp;payée</translation>
    </message>
    <message>
        <source>Records that the chosen claim was paid.</source>
        <translation>Indique que la note de frais choisie a été payée.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Claims, newest first:</source>
        <translation>&amp;Notes de frais, les plus récentes d&apos;abord :</translation>
    </message>
    <message>
        <source>C&amp;hain head:</source>
        <translation>&amp;Tête de chaîne :</translation>
    </message>
    <message>
        <source>The claims cannot be read. %1</source>
        <translation>Les notes de frais ne peuvent pas être lues. %1</translation>
    </message>
    <message>
        <source>The history could not be checked. %1</source>
        <translation>L&apos;historique n&apos;a pas pu être vérifié. %1</translation>
    </message>
    <message>
        <source>There is no history to check yet.</source>
        <translation>Il n&apos;y a encore aucun historique à vérifier.</translation>
    </message>
    <message>
        <source>The history does not hold: %1 fails. The log was changed outside the program.</source>
        <translation>L&apos;historique est rompu : %1 échoue. Le journal a été modifié hors du programme.</translation>
    </message>
    <message>
        <source>No claim is chosen.</source>
        <translation>Aucune note de frais n&apos;est choisie.</translation>
    </message>
    <message>
        <source>The claim was printed, not saved to a file.</source>
        <translation>La note de frais a été imprimée, pas enregistrée dans un fichier.</translation>
    </message>
    <message>
        <source>The trip log is open read-only, so no claim can be marked paid.</source>
        <translation>Le journal des trajets est ouvert en lecture seule ; aucune note de frais ne peut être marquée payée.</translation>
    </message>
    <message>
        <source>Marked paid %1.</source>
        <translation>Marquée payée le %1.</translation>
    </message>
    <message>
        <source>Save Again As</source>
        <translation>Réenregistrer sous</translation>
    </message>
    <message>
        <source>claim %1.%2</source>
        <translation>note de frais %1.%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>« %1 » existe déjà.<byte value="xd"/>
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;. %2</source>
        <translation>La note de frais n&apos;a pas pu être enregistrée sous « %1 ». %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Export Trips to CSV</source>
        <translation>Exporter les trajets en CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>claim %1 trips.csv</source>
        <translation>note de frais %1 trajets.csv</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>The folder of the claim&apos;s file is gone.</source>
        <translation>Le dossier du fichier de la note de frais n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be opened.</source>
        <translation>Le dossier « %1 » n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Claim %1 could not be marked paid. %2</source>
        <translation>La note de frais %1 n&apos;a pas pu être marquée payée. %2</translation>
    </message>
    <message>
        <source>Claim History…</source>
        <translation>Historique des notes de frais…</translation>
    </message>
    <message>
        <source>The history holds: %1 and %2 checked.</source>
        <translation>L&apos;historique est intact : %1 et %2 vérifiés.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln claim(s)</source>
        <translation>
            <numerusform>%Ln note de frais</numerusform>
            <numerusform>%Ln notes de frais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln link(s)</source>
        <translation>
            <numerusform>%Ln maillon</numerusform>
            <numerusform>%Ln maillons</numerusform>
        </translation>
    </message>
    <message>
        <source>Mark as &amp;Unpaid</source>
        <translation>Marquer comme &amp;non payée</translation>
    </message>
    <message>
        <source>Takes back the chosen claim&apos;s paid mark.</source>
        <translation>Retire la mention « payée » de la note de frais choisie.</translation>
    </message>
    <message>
        <source>Mark claim %1 (%2) as paid today?</source>
        <translation>Marquer la note de frais %1 (%2) comme payée aujourd&apos;hui ?</translation>
    </message>
    <message>
        <source>Take back the paid mark of claim %1 (%2), made %3? The mark stays in the history, with the claim marked unpaid after it.</source>
        <translation>Retirer la mention « payée » de la note de frais %1 (%2), faite le %3 ? La mention reste dans l&apos;historique, suivie de la note de frais marquée non payée.</translation>
    </message>
    <message>
        <source>Claim %1 could not be marked unpaid. %2</source>
        <translation>La note de frais %1 n&apos;a pas pu être marquée non payée. %2</translation>
    </message>
</context>
<context>
    <name>bw::ClaimHistoryModel</name>
    <message>
        <source>printed</source>
        <translation>imprimée</translation>
    </message>
    <message>
        <source>%1 (checking…)</source>
        <translation>%1 (vérification…)</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (manquant)</translation>
    </message>
    <message>
        <source>%1 (changed)</source>
        <translation>%1 (modifié)</translation>
    </message>
    <message>
        <source>%1 (unreadable)</source>
        <translation>%1 (illisible)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 au %2</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Payée</translation>
    </message>
    <message numerus="yes">
        <source>Claim %1, saved %2, period %3, %n trip(s), total %4</source>
        <translation>
            <numerusform>Note de frais %1, enregistrée le %2, période %3, %n trajet, total %4</numerusform>
            <numerusform>Note de frais %1, enregistrée le %2, période %3, %n trajets, total %4</numerusform>
        </translation>
    </message>
    <message>
        <source>, files: %1</source>
        <translation>, fichiers : %1</translation>
    </message>
    <message>
        <source>, paid %1</source>
        <translation>, payée le %1</translation>
    </message>
    <message>
        <source>Marked paid %1</source>
        <translation>Marquée payée le %1</translation>
    </message>
    <message>
        <source>%1 miles</source>
        <translation>%1 miles</translation>
    </message>
    <message>
        <source>Claim</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistrée</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Trajets</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Paid %1</source>
        <translation>Payée le %1</translation>
    </message>
</context>
<context>
    <name>bw::DatabaseRateStore</name>
    <message>
        <source>The trip log is open read-only, so changes to it are not kept.</source>
        <translation>Le journal des trajets est ouvert en lecture seule ; ses modifications ne sont pas conservées.</translation>
    </message>
</context>
<context>
    <name>bw::DriveReviewModel</name>
    <message>
        <source>This trip is in the log already.</source>
        <translation>Ce trajet est déjà dans le carnet.</translation>
    </message>
    <message>
        <source>Not named yet: type the place&apos;s name to name every drive that starts or ends there.</source>
        <translation>Pas encore nommé : tapez le nom du lieu pour nommer chaque trajet qui y commence ou s&apos;y termine.</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Professionnel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Kilometres</source>
        <translation>Kilomètres</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Miles</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Motif</translation>
    </message>
</context>
<context>
    <name>bw::DrivesDialog</name>
    <message>
        <source>Import Drives</source>
        <translation>Importer des trajets enregistrés</translation>
    </message>
    <message>
        <source>Tracks and Timeline Exports (*.gpx *.json)</source>
        <translation>Traces et exports Timeline (*.gpx *.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>No more trips fit.</source>
        <translation>Plus aucun trajet ne tient.</translation>
    </message>
    <message>
        <source>Drives found</source>
        <translation>Trajets trouvés</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>Fichiers : %1</translation>
    </message>
    <message>
        <source>The place is used here but not kept for later imports: %1</source>
        <translation>Le lieu sert ici mais n&apos;est pas conservé pour les imports suivants : %1</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>&amp;Tout cocher</translation>
    </message>
    <message>
        <source>Check &amp;None</source>
        <translation>&amp;Ne rien cocher</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>Check &amp;Business Hours</source>
        <translation>Cocher les &amp;heures de travail</translation>
    </message>
    <message>
        <source>from</source>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> km</source>
        <translation> km</translation>
    </message>
    <message>
        <source> mi</source>
        <translation> mi</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Add %n Trip(s)</source>
        <translation>
            <numerusform>&amp;Ajouter %n trajet</numerusform>
            <numerusform>&amp;Ajouter %n trajets</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the drives…</source>
        <translation>Lecture des trajets…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No drives were imported. %1</source>
        <translation>Aucun trajet n&apos;a été importé. %1</translation>
    </message>
    <message numerus="yes">
        <source>Only %n more trip(s) fit: uncheck some drives.</source>
        <translation>
            <numerusform>Seul %n trajet de plus tient : décochez des trajets.</numerusform>
            <numerusform>Seuls %n trajets de plus tiennent : décochez des trajets.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Drives…</source>
        <translation>Importer des trajets enregistrés…</translation>
    </message>
    <message>
        <source>A &amp;stop that ends a drive:</source>
        <translation>Un &amp;arrêt qui met fin à un trajet :</translation>
    </message>
    <message>
        <source>The shortest &amp;drive kept:</source>
        <translation>Le plus court trajet &amp;gardé :</translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s) found</source>
        <translation>
            <numerusform>%n trajet trouvé</numerusform>
            <numerusform>%n trajets trouvés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shown</source>
        <translation>
            <numerusform>%n affiché</numerusform>
            <numerusform>%n affichés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them in the log already</source>
        <translation>
            <numerusform>dont %n déjà dans le carnet</numerusform>
            <numerusform>dont %n déjà dans le carnet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bw::Form1</name>
    <message>
        <source>The daily backup of the trip log could not be made. %1</source>
        <translation>La sauvegarde quotidienne du journal n&apos;a pas pu être faite. %1</translation>
    </message>
    <message>
        <source>The trip log could not be backed up before this change. %1<byte value="xd"/>
<byte value="xd"/>
Go on without a backup?</source>
        <translation>Le journal n&apos;a pas pu être sauvegardé avant cette modification. %1<byte value="xd"/>
<byte value="xd"/>
Continuer sans sauvegarde ?</translation>
    </message>
    <message>
        <source>The trip log is read-only.</source>
        <translation>Le journal des trajets est en lecture seule.</translation>
    </message>
    <message>
        <source>The backup was written by a newer version of the program.</source>
        <translation>La sauvegarde a été écrite par une version plus récente du programme.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Load Sample</source>
        <translation>Charger l&apos;exemple</translation>
    </message>
    <message>
        <source>Duplicate Trip</source>
        <translation>Dupliquer le trajet</translation>
    </message>
    <message>
        <source>Add Return Trip</source>
        <translation>Ajouter le retour</translation>
    </message>
    <message>
        <source>Add Frequent Trip</source>
        <translation>Ajouter un trajet fréquent</translation>
    </message>
    <message>
        <source>No routes yet</source>
        <translation>Aucun itinéraire</translation>
    </message>
    <message>
        <source>No trip was added.</source>
        <translation>Aucun trajet n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Insert Below Selected Row</source>
        <translation>Insérer sous la ligne choisie</translation>
    </message>
    <message>
        <source>Delete Selected Row</source>
        <translation>Supprimer la ligne choisie</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>The last change to the trips could not be saved. %1</source>
        <translation>La dernière modification des trajets n&apos;a pas pu être enregistrée. %1</translation>
    </message>
    <message>
        <source>Recalculate Reimbursements</source>
        <translation>Recalculer les indemnités</translation>
    </message>
    <message>
        <source>The rates by date could not be read: %1</source>
        <translation>Les taux par date n&apos;ont pas pu être lus : %1</translation>
    </message>
    <message>
        <source>The rates by date were not kept: %1</source>
        <translation>Les taux par date n&apos;ont pas été conservés : %1</translation>
    </message>
    <message>
        <source>Every Reimbursement is already its Mileage × its rate.</source>
        <translation>Chaque indemnité vaut déjà sa distance × son taux.</translation>
    </message>
    <message>
        <source>Recalculate them?</source>
        <translation>Les recalculer ?</translation>
    </message>
    <message>
        <source>Import Trips from CSV...</source>
        <translation>Importer des trajets CSV...</translation>
    </message>
    <message>
        <source>Export Trips to CSV...</source>
        <translation>Exporter les trajets en CSV...</translation>
    </message>
    <message>
        <source>Import of Trips</source>
        <translation>Import des trajets</translation>
    </message>
    <message>
        <source>To enter Description select row and type Description. Then press Enter to finish changes.</source>
        <translation>Choisir la ligne, saisir le motif, puis Entrée pour valider.</translation>
    </message>
    <message>
        <source>Start Creating Template</source>
        <translation>Créer la note de frais</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Charger un exemple</translation>
    </message>
    <message>
        <source>Employee Data</source>
        <translation>Salarié</translation>
    </message>
    <message>
        <source>Employee Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Employee ID:</source>
        <translation>Matricule :</translation>
    </message>
    <message>
        <source>Vehicle Description:</source>
        <translation>Véhicule :</translation>
    </message>
    <message>
        <source>Authorized By:</source>
        <translation>Approuvé par :</translation>
    </message>
    <message>
        <source>Rate per Mile:</source>
        <translation>Taux/mile :</translation>
    </message>
    <message>
        <source>For Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Mileage Log Data</source>
        <translation>Journal des trajets</translation>
    </message>
    <message>
        <source>Do you really want delete this row ?<byte value="xd"/>
(%1)</source>
        <translation>Voulez-vous vraiment supprimer cette ligne ?<byte value="xd"/>
(%1)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Row deleted.</source>
        <translation>Ligne supprimée.</translation>
    </message>
    <message>
        <source>No row was inserted.</source>
        <translation>Aucune ligne n&apos;a été insérée.</translation>
    </message>
    <message>
        <source>Do you really want clear ?</source>
        <translation>Voulez-vous vraiment tout effacer ?</translation>
    </message>
    <message>
        <source>The stored row count is %1; %2 blank rows were made.</source>
        <translation>Le nombre de lignes enregistré est %1 ; %2 lignes vides ont été créées.</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Varnholt at </source>
        <translation>Des questions ? Contactez l&apos;équipe Varnholt à </translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Import Trips from CSV</source>
        <translation>Importer des trajets CSV</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Trips to CSV</source>
        <translation>Exporter les trajets en CSV</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>No trips were imported from &quot;%1&quot;. %2</source>
        <translation>Aucun trajet n&apos;a été importé de « %1 ». %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no trips.</source>
        <translation>« %1 » ne contient aucun trajet.</translation>
    </message>
    <message>
        <source>No line of &quot;%1&quot; can be imported:<byte value="xd"/>
%2</source>
        <translation>Aucune ligne de « %1 » ne peut être importée :<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>No more trips fit.</source>
        <translation>Plus aucun trajet ne tient.</translation>
    </message>
    <message>
        <source>%1 of &quot;%2&quot; cannot be imported:<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>%1 de « %2 » ne peuvent pas être importées :<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>« %1 » existe déjà.<byte value="xd"/>
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>Start New Period…</source>
        <translation>Nouvelle période…</translation>
    </message>
    <message>
        <source>The report was printed, but no claim of it was recorded. %1</source>
        <translation>La note de frais a été imprimée, mais n&apos;a pas été enregistrée. %1</translation>
    </message>
    <message>
        <source>The report was saved, but no claim of it was recorded. %1</source>
        <translation>La note de frais a été sauvegardée, mais n&apos;a pas été enregistrée dans l&apos;historique. %1</translation>
    </message>
    <message>
        <source>The trip log is open read-only.</source>
        <translation>Le journal des trajets est ouvert en lecture seule.</translation>
    </message>
    <message>
        <source>The report was printed, but its claim could not be recorded. %1</source>
        <translation>La note de frais a été imprimée, mais n&apos;a pas pu être enregistrée dans l&apos;historique. %1</translation>
    </message>
    <message>
        <source>The report was saved, but its claim could not be recorded. %1</source>
        <translation>La note de frais a été sauvegardée, mais n&apos;a pas pu être enregistrée dans l&apos;historique. %1</translation>
    </message>
    <message>
        <source>No trip in the grid was claimed: there is nothing to move to the history.</source>
        <translation>Aucun trajet de la grille n&apos;a été déclaré : rien à déplacer dans l&apos;historique.</translation>
    </message>
    <message>
        <source>The claims could not be read. %1</source>
        <translation>Les notes de frais n&apos;ont pas pu être lues. %1</translation>
    </message>
    <message>
        <source>Start New Period</source>
        <translation>Nouvelle période</translation>
    </message>
    <message>
        <source>Distances in Kilometres</source>
        <translation>Distances en kilomètres</translation>
    </message>
    <message>
        <source>Distances in Miles</source>
        <translation>Distances en miles</translation>
    </message>
    <message>
        <source>Currency: %1</source>
        <translation>Devise : %1</translation>
    </message>
    <message>
        <source>The distance unit and currency were not kept: %1</source>
        <translation>L&apos;unité de distance et la devise n&apos;ont pas été conservées : %1</translation>
    </message>
    <message>
        <source>Rate per Kilometre:</source>
        <translation>Taux/km :</translation>
    </message>
    <message>
        <source>Rate per Kilometre</source>
        <translation>Taux/km</translation>
    </message>
    <message>
        <source>Rate per Mile</source>
        <translation>Taux/mile</translation>
    </message>
    <message numerus="yes">
        <source>%n claimed trip(s) will move out of the grid into the history, and the period will start on %1. Start a new period?</source>
        <translation>
            <numerusform>%n trajet déclaré quittera la grille pour l&apos;historique, et la période commencera le %1. Commencer une nouvelle période ?</numerusform>
            <numerusform>%n trajets déclarés quitteront la grille pour l&apos;historique, et la période commencera le %1. Commencer une nouvelle période ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the %1 sample trips were not added.</source>
        <translation>
            <numerusform>%n des %1 trajets d&apos;exemple n&apos;a pas été ajouté.</numerusform>
            <numerusform>%n des %1 trajets d&apos;exemple n&apos;ont pas été ajoutés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reimbursement(s) change(s) to their Mileage × their rate.</source>
        <translation>
            <numerusform>%n indemnité passe à sa distance × son taux.</numerusform>
            <numerusform>%n indemnités passent à leur distance × leur taux.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %1 of the %n trip(s) fit.</source>
        <translation>
            <numerusform>Seul %1 trajet sur %n tient.</numerusform>
            <numerusform>Seuls %1 des %n trajets tiennent.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import the %n good trip(s)? No imports nothing.</source>
        <translation>
            <numerusform>Importer le %n trajet valide ? Non n&apos;importe rien.</numerusform>
            <numerusform>Importer les %n trajets valides ? Non n&apos;importe rien.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import of Drives</source>
        <translation>Import des trajets enregistrés</translation>
    </message>
</context>
<context>
    <name>bw::Form2</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom :</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom +</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom −</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Enregistrer en fichier Excel</translation>
    </message>
    <message>
        <source>There is no workbook to save.</source>
        <translation>Il n&apos;y a aucun classeur à enregistrer.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Voulez-vous vraiment écraser %1 ?</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
</context>
<context>
    <name>bw::LogTableModel</name>
    <message>
        <source>%1 takes a number, for example %2</source>
        <translation>%1 attend un nombre, par exemple %2</translation>
    </message>
    <message>
        <source>From the route %1 → %2 (%3 km)</source>
        <translation>D&apos;après l&apos;itinéraire %1 → %2 (%3 km)</translation>
    </message>
    <message>
        <source>From the route %1 → %2 (%3 mi)</source>
        <translation>D&apos;après l&apos;itinéraire %1 → %2 (%3 mi)</translation>
    </message>
</context>
<context>
    <name>bw::LogsWindow</name>
    <message>
        <source>&amp;Name of the log:</source>
        <translation>&amp;Nom du journal :</translation>
    </message>
    <message>
        <source>Name of the log</source>
        <translation>Nom du journal</translation>
    </message>
    <message>
        <source>&amp;Copy the open log&apos;s employee data, rates, unit and currency</source>
        <translation>&amp;Copier les données de l’employé, les taux, l’unité et la devise du journal ouvert</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Journaux</translation>
    </message>
    <message>
        <source>Logs you &amp;keep:</source>
        <translation>&amp;Vos journaux :</translation>
    </message>
    <message>
        <source>Each log with its vehicle, its number of trips, its latest trip&apos;s date and its folder. Enter opens the chosen one.</source>
        <translation>Chaque journal avec son véhicule, son nombre de trajets, la date de son dernier trajet et son dossier. Entrée ouvre celui choisi.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Véhicule</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Trajets</translation>
    </message>
    <message>
        <source>Latest trip</source>
        <translation>Dernier trajet</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;New Log…</source>
        <translation>&amp;Nouveau journal…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renommer…</translation>
    </message>
    <message>
        <source>Open Other &amp;File…</source>
        <translation>Ouvrir un autre &amp;fichier…</translation>
    </message>
    <message>
        <source>Remove from &amp;List</source>
        <translation>Retirer de la &amp;liste</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>Mettre à la &amp;corbeille</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>New Log</source>
        <translation>Nouveau journal</translation>
    </message>
    <message>
        <source>Rename Log</source>
        <translation>Renommer le journal</translation>
    </message>
    <message>
        <source>Open Other Log</source>
        <translation>Ouvrir un autre journal</translation>
    </message>
    <message>
        <source>Logs (*.sqlite)</source>
        <translation>Journaux (*.sqlite)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The open log cannot be moved to the trash; open another log first.</source>
        <translation>Le journal ouvert ne peut pas être mis à la corbeille ; ouvrez d’abord un autre journal.</translation>
    </message>
    <message>
        <source>Move the log %1 (%2) and its files to the trash?</source>
        <translation>Mettre le journal %1 (%2) et ses fichiers à la corbeille ?</translation>
    </message>
    <message>
        <source>Logs…</source>
        <translation>Journaux…</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Dossier : %1</translation>
    </message>
    <message>
        <source>&amp;Folder…</source>
        <translation>&amp;Dossier…</translation>
    </message>
    <message>
        <source>Choose the folder of the new log</source>
        <translation>Choisir le dossier du nouveau journal</translation>
    </message>
    <message>
        <source>Folder of the New Log</source>
        <translation>Dossier du nouveau journal</translation>
    </message>
</context>
<context>
    <name>bw::RatesDialog</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Rates by Date</source>
        <translation>Taux par date</translation>
    </message>
    <message>
        <source>From each date on, trips are paid at its rate; earlier trips and trips without a date at the Rate per Mile:</source>
        <translation>À partir de chaque date, les trajets sont payés à son taux ; les trajets antérieurs ou sans date au Taux/mile :</translation>
    </message>
    <message>
        <source>Each rate change with the date it applies from. Insert adds one, Delete removes the current one.</source>
        <translation>Chaque changement de taux avec la date à partir de laquelle il s&apos;applique. Inser en ajoute un, Suppr retire l&apos;actuel.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>%1 takes a number, for example %2</source>
        <translation>%1 attend un nombre, par exemple %2</translation>
    </message>
    <message>
        <source>%1 takes a date, for example %2</source>
        <translation>%1 attend une date, par exemple %2</translation>
    </message>
    <message>
        <source>A rate change from %1 is already listed; each day takes one rate.</source>
        <translation>Un changement de taux au %1 figure déjà ; chaque jour a un seul taux.</translation>
    </message>
    <message>
        <source>Rates by Date…</source>
        <translation>Taux par date…</translation>
    </message>
    <message>
        <source>From each date on, trips are paid at its rate; earlier trips and trips without a date at the Rate per Kilometre:</source>
        <translation>À partir de chaque date, les trajets sont payés à son taux ; les trajets antérieurs ou sans date au Taux/km :</translation>
    </message>
    <message>
        <source>Rate (%1 per %2)</source>
        <translation>Taux (%1 par %2)</translation>
    </message>
    <message>
        <source>From Distance (%1)</source>
        <translation>À partir de la distance (%1)</translation>
    </message>
    <message>
        <source>From Distance</source>
        <translation>À partir de la distance</translation>
    </message>
    <message>
        <source>A rate change from %1 at %2 is already listed; a date takes one rate for each distance.</source>
        <translation>Un changement de taux au %1 à %2 figure déjà ; une date a un seul taux par distance.</translation>
    </message>
    <message>
        <source>the start of the tax year</source>
        <translation>le début de l&apos;exercice fiscal</translation>
    </message>
</context>
<context>
    <name>bw::RestoreBackupDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Restore Log from Backup</source>
        <translation>Restaurer le journal depuis une sauvegarde</translation>
    </message>
    <message>
        <source>Choose the backup that replaces the log:</source>
        <translation>Choisissez la sauvegarde qui remplace le journal :</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Each backup with when it was taken, its number of trips and its latest trip&apos;s date. Enter restores the chosen one.</source>
        <translation>Chaque sauvegarde avec sa date, son nombre de trajets et la date de son dernier trajet. Entrée restaure celle choisie.</translation>
    </message>
    <message>
        <source>Backup taken</source>
        <translation>Sauvegarde du</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Trajets</translation>
    </message>
    <message>
        <source>Latest trip</source>
        <translation>Dernier trajet</translation>
    </message>
    <message>
        <source>There are no backups of the log yet.</source>
        <translation>Il n&apos;y a encore aucune sauvegarde du journal.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>The backup of %1 cannot be read; choose another.</source>
        <translation>La sauvegarde du %1 est illisible ; choisissez-en une autre.</translation>
    </message>
    <message>
        <source>Restore Log from Backup…</source>
        <translation>Restaurer le journal depuis une sauvegarde…</translation>
    </message>
    <message>
        <source>Replace the log&apos;s %1 with the %2 of the backup of %3? The current log is backed up first.</source>
        <translation>Remplacer le journal (%1) par la sauvegarde du %3 (%2) ? Le journal actuel est d&apos;abord sauvegardé.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln trip(s)</source>
        <translation>
            <numerusform>%Ln trajet</numerusform>
            <numerusform>%Ln trajets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bw::SummaryChart</name>
    <message>
        <source>Distance per month, claimed and not yet claimed</source>
        <translation>Distance par mois, réclamée et pas encore réclamée</translation>
    </message>
</context>
<context>
    <name>bw::SummaryWindow</name>
    <message>
        <source>Summary</source>
        <translation>Synthèse</translation>
    </message>
    <message>
        <source>Summary…</source>
        <translation>Synthèse…</translation>
    </message>
    <message>
        <source>&amp;Tax year:</source>
        <translation>&amp;Exercice fiscal :</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Trajets</translation>
    </message>
    <message>
        <source>Distance (%1)</source>
        <translation>Distance (%1)</translation>
    </message>
    <message>
        <source>Reimbursement</source>
        <translation>Remboursement</translation>
    </message>
    <message>
        <source>Claimed</source>
        <translation>Réclamé</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Payé</translation>
    </message>
    <message>
        <source>Not Yet Claimed</source>
        <translation>Pas encore réclamé</translation>
    </message>
    <message>
        <source>Months of the tax year</source>
        <translation>Mois de l&apos;exercice fiscal</translation>
    </message>
    <message>
        <source>Most driven routes:</source>
        <translation>Trajets les plus parcourus :</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Trajet</translation>
    </message>
    <message>
        <source>Most driven routes</source>
        <translation>Trajets les plus parcourus</translation>
    </message>
    <message>
        <source>&amp;Starts on:</source>
        <translation>&amp;Commence le :</translation>
    </message>
    <message>
        <source>Tax year starts on day</source>
        <translation>L&apos;exercice fiscal commence le jour</translation>
    </message>
    <message>
        <source>Tax year starts in month</source>
        <translation>L&apos;exercice fiscal commence au mois</translation>
    </message>
    <message>
        <source>6 April (UK)</source>
        <translation>6 avril (Royaume-Uni)</translation>
    </message>
    <message>
        <source>1 July (Australia)</source>
        <translation>1er juillet (Australie)</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>The tax year&apos;s start was not changed: %1</source>
        <translation>Le début de l&apos;exercice fiscal n&apos;a pas été modifié : %1</translation>
    </message>
    <message>
        <source>Export Summary</source>
        <translation>Exporter la synthèse</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>summary %1.csv</source>
        <translation>synthèse %1.csv</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>« %1 » existe déjà.<byte value="xd"/>
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The summary could not be exported to &quot;%1&quot;. %2</source>
        <translation>La synthèse n&apos;a pas pu être exportée vers « %1 ». %2</translation>
    </message>
    <message>
        <source>Summary of the tax year %1</source>
        <translation>Synthèse de l&apos;exercice fiscal %1</translation>
    </message>
    <message>
        <source>The log is open read-only, so its tax year cannot be changed.</source>
        <translation>Le journal est ouvert en lecture seule, son exercice fiscal ne peut donc pas être modifié.</translation>
    </message>
</context>
<context>
    <name>bw::TripLog</name>
    <message>
        <source>The trip log cannot be kept: %1 Changes to trips are not kept.</source>
        <translation>Le journal des trajets ne peut pas être conservé : %1 Les modifications des trajets ne sont pas conservées.</translation>
    </message>
    <message>
        <source>The trip log is open in another Brindlewick window. This window shows it read-only; changes to trips are not kept here.</source>
        <translation>Le journal des trajets est ouvert dans une autre fenêtre de Brindlewick. Cette fenêtre l&apos;affiche en lecture seule ; les modifications des trajets n&apos;y sont pas conservées.</translation>
    </message>
    <message>
        <source>The trip log %1 was written by a newer version of Brindlewick. This version shows it read-only and does not change it.</source>
        <translation>Le journal des trajets %1 a été écrit par une version plus récente de Brindlewick. Cette version l&apos;affiche en lecture seule et ne le modifie pas.</translation>
    </message>
    <message>
        <source>The trip log cannot be opened: %1 Changes to trips are not kept.</source>
        <translation>Le journal des trajets ne peut pas être ouvert : %1 Les modifications des trajets ne sont pas conservées.</translation>
    </message>
    <message>
        <source>The trip log %1 is damaged and could not be set aside; it was left unchanged and changes to trips are not kept.</source>
        <translation>Le journal des trajets %1 est endommagé et n&apos;a pas pu être mis de côté ; il reste inchangé et les modifications des trajets ne sont pas conservées.</translation>
    </message>
    <message>
        <source>The trip log %1 was set aside as %2, and a new one cannot be made: %3</source>
        <translation>Le journal des trajets %1 a été mis de côté sous %2, et un nouveau ne peut pas être créé : %3</translation>
    </message>
    <message>
        <source>The trips could not be moved into the trip log: %1 Changes to trips are not kept.</source>
        <translation>Les trajets n&apos;ont pas pu être placés dans le journal : %1 Les modifications des trajets ne sont pas conservées.</translation>
    </message>
    <message>
        <source>Lines of the trips file %1 that could not be read: %2. The file was set aside unchanged as %3. Trips recovered: %4.</source>
        <translation>Lignes illisibles du fichier de trajets %1 : %2. Le fichier a été mis de côté inchangé sous %3. Trajets récupérés : %4.</translation>
    </message>
    <message>
        <source>The settings file %1 had lines that could not be read. A copy was kept unchanged as %2. Trips recovered: %3.</source>
        <translation>Le fichier de paramètres %1 avait des lignes illisibles. Une copie inchangée a été gardée sous %2. Trajets récupérés : %3.</translation>
    </message>
    <message>
        <source>The stored log has %1 trips; the first %2 were loaded.</source>
        <translation>Le journal enregistré compte %1 trajets ; les %2 premiers ont été chargés.</translation>
    </message>
    <message>
        <source>The trip log is being written by brindlewick-report. This window shows it read-only; changes to trips are not kept here.</source>
        <translation>Le journal des trajets est en cours d&apos;écriture par brindlewick-report. Cette fenêtre l&apos;affiche en lecture seule ; les modifications des trajets n&apos;y sont pas conservées.</translation>
    </message>
    <message>
        <source>Its write-ahead file %1 is damaged and could not be set aside. %2</source>
        <translation>Son fichier de journalisation %1 est endommagé et n&apos;a pas pu être mis de côté. %2</translation>
    </message>
    <message>
        <source>The last changes to the trip log could not be applied: its write-ahead file %1, last written %2, is damaged. Changes that could not be applied: %3. The log is shown as it was before them. The log, its write-ahead file and index were set aside unchanged as %4.</source>
        <translation>Les dernières modifications du journal des trajets n&apos;ont pas pu être appliquées : son fichier de journalisation %1, écrit pour la dernière fois le %2, est endommagé. Modifications non appliquées : %3. Le journal est affiché tel qu&apos;il était avant elles. Le journal, son fichier de journalisation et son index ont été mis de côté inchangés sous %4.</translation>
    </message>
    <message>
        <source>A recovery of the trip log begun at an earlier start did not finish; it was made again.</source>
        <translation>Une récupération du journal des trajets commencée lors d&apos;un démarrage précédent n&apos;a pas abouti ; elle a été refaite.</translation>
    </message>
    <message>
        <source>The trip log %1 could not be read whole (%2). It was set aside unchanged as %3. Trips recovered into a new log: %4 of %5.</source>
        <translation>Le journal des trajets %1 n&apos;a pas pu être lu en entier (%2). Il a été mis de côté inchangé sous %3. Trajets récupérés dans un nouveau journal : %4 sur %5.</translation>
    </message>
    <message>
        <source>The trip log %1 could not be read whole (%2). It was set aside unchanged as %3. Trips recovered into a new log: %4 (how many it held could not be read).</source>
        <translation>Le journal des trajets %1 n&apos;a pas pu être lu en entier (%2). Il a été mis de côté inchangé sous %3. Trajets récupérés dans un nouveau journal : %4 (combien il en contenait n&apos;a pas pu être lu).</translation>
    </message>
    <message>
        <source>The trip log %1 cannot be written: %2 This window shows it read-only; changes to trips are not kept.</source>
        <translation>Le journal des trajets %1 ne peut pas être écrit : %2 Cette fenêtre l&apos;affiche en lecture seule ; les modifications des trajets ne sont pas conservées.</translation>
    </message>
</context>
</TS>
