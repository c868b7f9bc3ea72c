<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>lexmint::AboutDialog</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>For the latest information on the product see the product&apos;s web page:</source>
        <translation>Pour les dernières informations sur le produit, consultez sa page web :</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. Lex Mint is free software: you may copy, change and share it under the GNU General Public License, version 3 or later. It comes with no warranty.</source>
        <translation>Copyright © 2026 %1. Lex Mint est un logiciel libre : vous pouvez le copier, le modifier et le partager selon les termes de la licence publique générale GNU, version 3 ou ultérieure. Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cannot launch your default Internet browser. Make sure that you have a browser installed and set up correctly.</source>
        <translation>Impossible de lancer votre navigateur Internet par défaut. Vérifiez qu&apos;un navigateur est installé et correctement configuré.</translation>
    </message>
    <message>
        <source>Cannot Run Program</source>
        <translation>Impossible de lancer le programme</translation>
    </message>
    <message>
        <source>Make building your vocabulary fun!</source>
        <translation>Enrichir son vocabulaire, c&apos;est amusant !</translation>
    </message>
</context>
<context>
    <name>lexmint::AnswerLog</name>
    <message>
        <source>The entry is no longer in the vocabulary.</source>
        <translation>L&apos;entrée n&apos;est plus dans le vocabulaire.</translation>
    </message>
</context>
<context>
    <name>lexmint::CommandLine</name>
    <message>
        <source>Usage: lexmint [/add | /test] [filename]</source>
        <translation>Utilisation : lexmint [/add | /test] [fichier]</translation>
    </message>
</context>
<context>
    <name>lexmint::DataSource</name>
    <message>
        <source>The vocabulary has no table or query named &quot;%1&quot;.</source>
        <translation>Le vocabulaire n&apos;a ni table ni requête nommée « %1 ».</translation>
    </message>
    <message>
        <source>There is no new or changed row to write.</source>
        <translation>Il n&apos;y a aucune ligne nouvelle ou modifiée à écrire.</translation>
    </message>
    <message>
        <source>There is no current row.</source>
        <translation>Il n&apos;y a pas de ligne courante.</translation>
    </message>
</context>
<context>
    <name>lexmint::Database</name>
    <message>
        <source>The database engine could not be configured safely.</source>
        <translation>Le moteur de base de données n&apos;a pas pu être configuré de façon sûre.</translation>
    </message>
    <message>
        <source>The table %1 has no column %2.</source>
        <translation>La table %1 n&apos;a pas de colonne %2.</translation>
    </message>
    <message>
        <source>Property &quot;%1&quot; does not exist.</source>
        <translation>La propriété « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Property &quot;%1&quot; does not hold a long integer.</source>
        <translation>La propriété « %1 » ne contient pas d&apos;entier long.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>Aucun fichier n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>There is not enough memory for a copy of the file.</source>
        <translation>La mémoire est insuffisante pour copier le fichier.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.</source>
        <translation>Le fichier « %1 » existe déjà.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>The disk is full: there is no room for &quot;%1&quot;.</source>
        <translation>Le disque est plein : il n&apos;y a pas de place pour « %1 ».</translation>
    </message>
</context>
<context>
    <name>lexmint::DelimitedReader</name>
    <message>
        <source>A quoted field begins here and is never closed; nothing from here on was read.</source>
        <translation>Un champ entre guillemets commence ici et n&apos;est jamais fermé ; rien n&apos;a été lu à partir d&apos;ici.</translation>
    </message>
</context>
<context>
    <name>lexmint::DelimitedText</name>
    <message>
        <source>tab</source>
        <translation>tabulation</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>point-virgule</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>pipe</source>
        <translation>barre verticale</translation>
    </message>
    <message>
        <source>colon</source>
        <translation>deux-points</translation>
    </message>
</context>
<context>
    <name>lexmint::EntryForm</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Add New Entry</source>
        <translation>Ajouter une nouvelle entrée</translation>
    </message>
    <message>
        <source>Enter the foreign word/phrase here</source>
        <translation>Saisissez ici le mot ou l&apos;expression en langue étrangère</translation>
    </message>
    <message>
        <source>Enter the definition of the above word/phrase here</source>
        <translation>Saisissez ici la définition du mot ou de l&apos;expression ci-dessus</translation>
    </message>
    <message>
        <source>Active keyboard in the current context</source>
        <translation>Clavier actif dans ce contexte</translation>
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
        <source>%1 - Edit Entry</source>
        <translation>%1 - Modifier l&apos;entrée</translation>
    </message>
    <message>
        <source>Please enter a headword and a definition</source>
        <translation>Veuillez saisir un mot et une définition</translation>
    </message>
    <message>
        <source>An entry can have at most %1 definition lines.</source>
        <translation>Une entrée peut avoir au plus %1 lignes de définition.</translation>
    </message>
    <message>
        <source>Truncate the definition to &quot;%1&quot; ?</source>
        <translation>Tronquer la définition à « %1 » ?</translation>
    </message>
    <message>
        <source>Definition Too Long</source>
        <translation>Définition trop longue</translation>
    </message>
    <message>
        <source>Please enter a headword!</source>
        <translation>Veuillez saisir un mot !</translation>
    </message>
    <message>
        <source>Please enter a definition!</source>
        <translation>Veuillez saisir une définition !</translation>
    </message>
    <message>
        <source>Create new entry?</source>
        <translation>Créer une nouvelle entrée ?</translation>
    </message>
    <message>
        <source>Headword &quot;%1&quot; already in the vocabulary</source>
        <translation>Le mot « %1 » est déjà dans le vocabulaire</translation>
    </message>
    <message>
        <source>The entry was not saved.</source>
        <translation>L&apos;entrée n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The changes were not saved.</source>
        <translation>Les modifications n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>The entry was not deleted.</source>
        <translation>L&apos;entrée n&apos;a pas été supprimée.</translation>
    </message>
    <message>
        <source>Discard changes?</source>
        <translation>Abandonner les modifications ?</translation>
    </message>
    <message>
        <source>Cancel Edit Confirmation</source>
        <translation>Annuler la modification</translation>
    </message>
    <message>
        <source>Cancel Add Confirmation</source>
        <translation>Annuler l&apos;ajout</translation>
    </message>
    <message>
        <source>No vocabulary is open, so nothing was changed.</source>
        <translation>Aucun vocabulaire n&apos;est ouvert ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Bad Entry</source>
        <translation>Entrée incorrecte</translation>
    </message>
    <message>
        <source>Headword</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Definitions, one per line</source>
        <translation>Définitions, une par ligne</translation>
    </message>
    <message>
        <source>Definitions</source>
        <translation>Définitions</translation>
    </message>
</context>
<context>
    <name>lexmint::EntryForms</name>
    <message>
        <source>The headword is being edited in another window.<byte value="xd"/>
Please make your changes after you&apos;ve finished testing.</source>
        <translation>Le mot est en cours de modification dans une autre fenêtre.<byte value="xd"/>
Veuillez faire vos modifications une fois l&apos;interrogation terminée.</translation>
    </message>
</context>
<context>
    <name>lexmint::EntryRules</name>
    <message>
        <source>A headword cannot be empty.</source>
        <translation>Un mot ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A headword can be at most %1 characters long.</source>
        <translation>Un mot peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>A definition line cannot be empty.</source>
        <translation>Une ligne de définition ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A definition line can be at most %1 characters long.</source>
        <translation>Une ligne de définition peut compter au plus %1 caractères.</translation>
    </message>
</context>
<context>
    <name>lexmint::EntryWriter</name>
    <message>
        <source>An entry has from 1 to %1 definition lines.</source>
        <translation>Une entrée a de 1 à %1 lignes de définition.</translation>
    </message>
    <message>
        <source>The entry to add lines to no longer exists.</source>
        <translation>L&apos;entrée à laquelle ajouter des lignes n&apos;existe plus.</translation>
    </message>
</context>
<context>
    <name>lexmint::ExportDialog</name>
    <message>
        <source>Export Words</source>
        <translation>Exporter des mots</translation>
    </message>
    <message>
        <source>All entries</source>
        <translation>Toutes les entrées</translation>
    </message>
    <message>
        <source>Start with a &amp;byte order mark (for spreadsheet programs)</source>
        <translation>Commencer par une marque d&apos;&amp;ordre des octets (pour les tableurs)</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>E&amp;ntries:</source>
        <translation>&amp;Entrées :</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Séparateur :</translation>
    </message>
</context>
<context>
    <name>lexmint::FileFormat</name>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>« %1 » est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file but, for example, a named pipe or a device, which cannot hold a vocabulary.</source>
        <translation>« %1 » n&apos;est pas un fichier ordinaire mais, par exemple, un tube nommé ou un périphérique, qui ne peut pas contenir de vocabulaire.</translation>
    </message>
</context>
<context>
    <name>lexmint::FileKind</name>
    <message>
        <source>CSV file</source>
        <translation>Fichier CSV</translation>
    </message>
    <message>
        <source>Tab-separated text</source>
        <translation>Texte séparé par des tabulations</translation>
    </message>
    <message>
        <source>Flash-card text</source>
        <translation>Texte de cartes mémoire</translation>
    </message>
    <message>
        <source>KVTML file</source>
        <translation>Fichier KVTML</translation>
    </message>
</context>
<context>
    <name>lexmint::FileSoundness</name>
    <message>
        <source>The vocabulary file is damaged, so Lex Mint keeps it read-only and writes nothing into it.</source>
        <translation>Le fichier de vocabulaire est endommagé ; Lex Mint le garde donc en lecture seule et n&apos;y écrit rien.</translation>
    </message>
    <message>
        <source>The vocabulary file contains triggers that Lex Mint did not create (%1), so Lex Mint keeps it read-only and writes nothing into it.</source>
        <translation>Le fichier de vocabulaire contient des déclencheurs que Lex Mint n&apos;a pas créés (%1) ; Lex Mint le garde donc en lecture seule et n&apos;y écrit rien.</translation>
    </message>
    <message>
        <source>The vocabulary file could not be prepared for use, so Lex Mint keeps it read-only: %1</source>
        <translation>Le fichier de vocabulaire n&apos;a pas pu être préparé ; Lex Mint le garde donc en lecture seule : %1</translation>
    </message>
</context>
<context>
    <name>lexmint::FirstRunDialog</name>
    <message>
        <source>Welcome to Lex Mint!</source>
        <translation>Bienvenue dans Lex Mint !</translation>
    </message>
    <message>
        <source>Now that you&apos;ve launched Lex Mint for the first time, please choose a vocabulary that you want to start with:</source>
        <translation>Vous lancez Lex Mint pour la première fois. Veuillez choisir le vocabulaire par lequel vous voulez commencer :</translation>
    </message>
    <message>
        <source>Start With</source>
        <translation>Commencer par</translation>
    </message>
    <message>
        <source>&amp;New Vocabulary</source>
        <translation>&amp;Nouveau vocabulaire</translation>
    </message>
    <message>
        <source>&amp;Sample Vocabulary:</source>
        <translation>Vocabulaire d&apos;&amp;exemple :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>lexmint::FlashCardReader</name>
    <message>
        <source>The header line &quot;#%1:&quot; was ignored.</source>
        <translation>La ligne d&apos;en-tête « #%1: » a été ignorée.</translation>
    </message>
</context>
<context>
    <name>lexmint::HelpWindow</name>
    <message>
        <source>the current folder</source>
        <translation>le dossier courant</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help is not installed&lt;/h2&gt;&lt;p&gt;The help files &lt;code&gt;lexmint.qch&lt;/code&gt; and &lt;code&gt;lexmint.qhc&lt;/code&gt; were not found in %1. Installing Lex Mint again brings them back.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;L&apos;aide n&apos;est pas installée&lt;/h2&gt;&lt;p&gt;Les fichiers d&apos;aide &lt;code&gt;lexmint.qch&lt;/code&gt; et &lt;code&gt;lexmint.qhc&lt;/code&gt; sont introuvables dans %1. Réinstaller Lex Mint les rétablit.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Lex Mint Help</source>
        <translation>Aide de Lex Mint</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Saisissez un mot-clé</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>Mots à trouver</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Accueil</translation>
    </message>
    <message>
        <source>Preparing the search...</source>
        <translation>Préparation de la recherche...</translation>
    </message>
    <message>
        <source>No topic contains these words.</source>
        <translation>Aucune rubrique ne contient ces mots.</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportDialog</name>
    <message>
        <source>Import Words - %1</source>
        <translation>Importer des mots - %1</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Headword</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Definition lines</source>
        <translation>Lignes de définition</translation>
    </message>
    <message>
        <source>Refused because</source>
        <translation>Refusée car</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>CSV text</source>
        <translation>Texte CSV</translation>
    </message>
    <message>
        <source>Tab-separated text</source>
        <translation>Texte séparé par des tabulations</translation>
    </message>
    <message>
        <source>Flash-card text</source>
        <translation>Texte de cartes mémoire</translation>
    </message>
    <message>
        <source>KVTML</source>
        <translation>Fichier KVTML</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>The first row holds column &amp;titles</source>
        <translation>La première ligne contient les &amp;titres des colonnes</translation>
    </message>
    <message>
        <source>The fields are &amp;HTML</source>
        <translation>Les champs sont en &amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Encodage :</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Séparateur :</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Line breaks only</source>
        <translation>Aux sauts de ligne seulement</translation>
    </message>
    <message>
        <source>Line breaks and &quot;; &quot;</source>
        <translation>Sauts de ligne et « ; »</translation>
    </message>
    <message>
        <source>Line breaks and &quot;, &quot;</source>
        <translation>Sauts de ligne et « , »</translation>
    </message>
    <message>
        <source>Line breaks and &quot;/&quot;</source>
        <translation>Sauts de ligne et « / »</translation>
    </message>
    <message>
        <source>Head&amp;word:</source>
        <translation>&amp;Mot :</translation>
    </message>
    <message>
        <source>&amp;Definition lines:</source>
        <translation>&amp;Lignes de définition :</translation>
    </message>
    <message>
        <source>S&amp;plit definitions at:</source>
        <translation>&amp;Découper les définitions :</translation>
    </message>
    <message>
        <source>A headword already in the vocabulary</source>
        <translation>Un mot déjà présent dans le vocabulaire</translation>
    </message>
    <message>
        <source>&amp;Merge: add its new definition lines</source>
        <translation>F&amp;usionner : ajouter ses nouvelles lignes de définition</translation>
    </message>
    <message>
        <source>S&amp;kip the row</source>
        <translation>I&amp;gnorer la ligne</translation>
    </message>
    <message>
        <source>&amp;Add another entry</source>
        <translation>&amp;Ajouter une autre entrée</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automatique (%1)</translation>
    </message>
    <message>
        <source>Rows: %1 to import, %2 refused.</source>
        <translation>Lignes : %1 à importer, %2 refusées.</translation>
    </message>
    <message>
        <source>The fields hold HTML markup; tick &quot;The fields are HTML&quot; to read it as HTML.</source>
        <translation>Les champs contiennent du balisage HTML ; cochez « Les champs sont en HTML » pour les lire comme du HTML.</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportPlan</name>
    <message>
        <source>The file has %1 columns; the chosen columns are not among them.</source>
        <translation>Le fichier a %1 colonnes ; les colonnes choisies n&apos;en font pas partie.</translation>
    </message>
    <message>
        <source>A vocabulary is not a word list to import.</source>
        <translation>Un vocabulaire n&apos;est pas une liste de mots à importer.</translation>
    </message>
    <message>
        <source>The file holds no rows to import.</source>
        <translation>Le fichier ne contient aucune ligne à importer.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportReport</name>
    <message>
        <source>%1 added, %2 merged</source>
        <translation>%1 ajoutées, %2 fusionnées</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 ignorées</translation>
    </message>
    <message>
        <source>, %1 refused</source>
        <translation>, %1 refusées</translation>
    </message>
    <message>
        <source>Import of %1
%2.
</source>
        <translation>Importation de %1
%2.
</translation>
    </message>
    <message>
        <source>
Refused rows:
</source>
        <translation>
Lignes refusées :
</translation>
    </message>
    <message>
        <source>Line %1: %2
</source>
        <translation>Ligne %1 : %2
</translation>
    </message>
    <message>
        <source>
Notes:
</source>
        <translation>
Remarques :
</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportReportDialog</name>
    <message>
        <source>Import Report</source>
        <translation>Rapport d&apos;importation</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Save Import Report</source>
        <translation>Enregistrer le rapport d&apos;importation</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Fichier texte (*.txt)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportedEntry</name>
    <message>
        <source>The headword is empty.</source>
        <translation>Le mot est vide.</translation>
    </message>
    <message>
        <source>The headword runs over more than one line.</source>
        <translation>Le mot s&apos;étend sur plus d&apos;une ligne.</translation>
    </message>
    <message>
        <source>There is no definition.</source>
        <translation>Il n&apos;y a pas de définition.</translation>
    </message>
    <message>
        <source>There are %1 definition lines; an entry holds at most %2.</source>
        <translation>Il y a %1 lignes de définition ; une entrée en contient au plus %2.</translation>
    </message>
</context>
<context>
    <name>lexmint::InterchangeCommands</name>
    <message>
        <source>Import Words</source>
        <translation>Importer des mots</translation>
    </message>
    <message>
        <source>Export Words</source>
        <translation>Exporter des mots</translation>
    </message>
    <message>
        <source>Word lists (%1)</source>
        <translation>Listes de mots (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The vocabulary file is read-only, so no words can be imported into it.</source>
        <translation>Le fichier de vocabulaire est en lecture seule ; aucun mot ne peut y être importé.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Importing words...</source>
        <translation>Importation des mots...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import cancelled; the vocabulary was not changed.</source>
        <translation>Importation annulée ; le vocabulaire n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The words could not be imported: %1<byte value="xd"/>The vocabulary was not changed.</source>
        <translation>Les mots n&apos;ont pas pu être importés : %1<byte value="xd"/>Le vocabulaire n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Imported: %1.</source>
        <translation>Importées : %1.</translation>
    </message>
    <message>
        <source>Choose one of the file types offered: CSV, tab-separated, flash-card text or KVTML.</source>
        <translation>Choisissez l&apos;un des types de fichier proposés : CSV, texte séparé par des tabulations, texte de cartes mémoire ou KVTML.</translation>
    </message>
    <message>
        <source>The entries could not be read: %1</source>
        <translation>Les entrées n&apos;ont pas pu être lues : %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries exported to %1.</source>
        <translation>
            <numerusform>%n entrée exportée vers %1.</numerusform>
            <numerusform>%n entrées exportées vers %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lexmint::KeyboardCatalogue</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Language Neutral</source>
        <translation>Neutre</translation>
    </message>
    <message>
        <source>Process Default Language</source>
        <translation>Langue par défaut du processus</translation>
    </message>
    <message>
        <source>Arabic (Saudi Arabia)</source>
        <translation>Arabe (Arabie saoudite)</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgare</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalan</translation>
    </message>
    <message>
        <source>Chinese (Taiwan)</source>
        <translation>Chinois (Taïwan)</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>German (Standard)</source>
        <translation>Allemand (standard)</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>English (United States)</source>
        <translation>Anglais (États-Unis)</translation>
    </message>
    <message>
        <source>Spanish (Traditional Sort)</source>
        <translation>Espagnol (tri traditionnel)</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>French (Standard)</source>
        <translation>Français (standard)</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hébreu</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Islandais</translation>
    </message>
    <message>
        <source>Italian (Standard)</source>
        <translation>Italien (standard)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Néerlandais (Pays-Bas)</translation>
    </message>
    <message>
        <source>Norwegian (Bokmal)</source>
        <translation>Norvégien (bokmål)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugais (Brésil)</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croate</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovaque</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanais</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thaï</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Urdu (Pakistan)</source>
        <translation>Ourdou (Pakistan)</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésien</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainien</translation>
    </message>
    <message>
        <source>Belarussian</source>
        <translation>Biélorusse</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovène</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estonien</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Letton</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituanien</translation>
    </message>
    <message>
        <source>Farsi</source>
        <translation>Persan</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamien</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Arménien</translation>
    </message>
    <message>
        <source>Azeri (Latin)</source>
        <translation>Azéri (latin)</translation>
    </message>
    <message>
        <source>Basque</source>
        <translation>Basque</translation>
    </message>
    <message>
        <source>Macedonian</source>
        <translation>Macédonien</translation>
    </message>
    <message>
        <source>Sutu</source>
        <translation>Sotho</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Afrikaans</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Géorgien</translation>
    </message>
    <message>
        <source>Faeroese</source>
        <translation>Féroïen</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Malay (Malaysian)</source>
        <translation>Malais (Malaisie)</translation>
    </message>
    <message>
        <source>Kazakh</source>
        <translation>Kazakh</translation>
    </message>
    <message>
        <source>Swahili (Kenya)</source>
        <translation>Swahili (Kenya)</translation>
    </message>
    <message>
        <source>Uzbek (Latin)</source>
        <translation>Ouzbek (latin)</translation>
    </message>
    <message>
        <source>Tatar (Tatarstan)</source>
        <translation>Tatar (Tatarstan)</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengali</translation>
    </message>
    <message>
        <source>Punjabi</source>
        <translation>Pendjabi</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Goudjarati</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>Oriya</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamoul</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Télougou</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Kannada</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Malayalam</translation>
    </message>
    <message>
        <source>Assamese</source>
        <translation>Assamais</translation>
    </message>
    <message>
        <source>Marathi</source>
        <translation>Marathi</translation>
    </message>
    <message>
        <source>Sanskrit</source>
        <translation>Sanskrit</translation>
    </message>
    <message>
        <source>Burmese</source>
        <translation>Birman</translation>
    </message>
    <message>
        <source>Konkani</source>
        <translation>Konkani</translation>
    </message>
    <message>
        <source>Manipuri</source>
        <translation>Manipuri</translation>
    </message>
    <message>
        <source>Sindhi</source>
        <translation>Sindhi</translation>
    </message>
    <message>
        <source>Arabic (Iraq)</source>
        <translation>Arabe (Irak)</translation>
    </message>
    <message>
        <source>Chinese (PRC)</source>
        <translation>Chinois (RPC)</translation>
    </message>
    <message>
        <source>German (Switzerland)</source>
        <translation>Allemand (Suisse)</translation>
    </message>
    <message>
        <source>English (United Kingdom)</source>
        <translation>Anglais (Royaume-Uni)</translation>
    </message>
    <message>
        <source>Spanish (Mexican)</source>
        <translation>Espagnol (Mexique)</translation>
    </message>
    <message>
        <source>French (Belgian)</source>
        <translation>Français (Belgique)</translation>
    </message>
    <message>
        <source>Italian (Switzerland)</source>
        <translation>Italien (Suisse)</translation>
    </message>
    <message>
        <source>Korean (Johab)</source>
        <translation>Coréen (Johab)</translation>
    </message>
    <message>
        <source>Dutch (Belgium)</source>
        <translation>Néerlandais (Belgique)</translation>
    </message>
    <message>
        <source>Norwegian (Nynorsk)</source>
        <translation>Norvégien (nynorsk)</translation>
    </message>
    <message>
        <source>Portuguese (Standard)</source>
        <translation>Portugais (standard)</translation>
    </message>
    <message>
        <source>Serbian (Latin)</source>
        <translation>Serbe (latin)</translation>
    </message>
    <message>
        <source>Swedish (Finland)</source>
        <translation>Suédois (Finlande)</translation>
    </message>
    <message>
        <source>Urdu (India)</source>
        <translation>Ourdou (Inde)</translation>
    </message>
    <message>
        <source>Lithuanian (Classic)</source>
        <translation>Lituanien (classique)</translation>
    </message>
    <message>
        <source>Azeri (Cyrillic)</source>
        <translation>Azéri (cyrillique)</translation>
    </message>
    <message>
        <source>Malay (Brunei Darussalam)</source>
        <translation>Malais (Brunéi Darussalam)</translation>
    </message>
    <message>
        <source>Uzbek (Cyrillic)</source>
        <translation>Ouzbek (cyrillique)</translation>
    </message>
    <message>
        <source>Kashmiri (India)</source>
        <translation>Cachemiri (Inde)</translation>
    </message>
    <message>
        <source>Nepali (India)</source>
        <translation>Népalais (Inde)</translation>
    </message>
    <message>
        <source>Arabic (Egypt)</source>
        <translation>Arabe (Égypte)</translation>
    </message>
    <message>
        <source>Chinese (Hong Kong SAR, PRC)</source>
        <translation>Chinois (Hong Kong RAS, RPC)</translation>
    </message>
    <message>
        <source>German (Austria)</source>
        <translation>Allemand (Autriche)</translation>
    </message>
    <message>
        <source>English (Australian)</source>
        <translation>Anglais (Australie)</translation>
    </message>
    <message>
        <source>Spanish (Modern Sort)</source>
        <translation>Espagnol (tri moderne)</translation>
    </message>
    <message>
        <source>French (Canadian)</source>
        <translation>Français (Canada)</translation>
    </message>
    <message>
        <source>Serbian (Cyrillic)</source>
        <translation>Serbe (cyrillique)</translation>
    </message>
    <message>
        <source>Arabic (Libya)</source>
        <translation>Arabe (Libye)</translation>
    </message>
    <message>
        <source>Chinese (Singapore)</source>
        <translation>Chinois (Singapour)</translation>
    </message>
    <message>
        <source>German (Luxembourg)</source>
        <translation>Allemand (Luxembourg)</translation>
    </message>
    <message>
        <source>English (Canadian)</source>
        <translation>Anglais (Canada)</translation>
    </message>
    <message>
        <source>Spanish (Guatemala)</source>
        <translation>Espagnol (Guatemala)</translation>
    </message>
    <message>
        <source>French (Switzerland)</source>
        <translation>Français (Suisse)</translation>
    </message>
    <message>
        <source>Arabic (Algeria)</source>
        <translation>Arabe (Algérie)</translation>
    </message>
    <message>
        <source>Chinese (Macau)</source>
        <translation>Chinois (Macao)</translation>
    </message>
    <message>
        <source>German (Liechtenstein)</source>
        <translation>Allemand (Liechtenstein)</translation>
    </message>
    <message>
        <source>English (New Zealand)</source>
        <translation>Anglais (Nouvelle-Zélande)</translation>
    </message>
    <message>
        <source>Spanish (Costa Rica)</source>
        <translation>Espagnol (Costa Rica)</translation>
    </message>
    <message>
        <source>French (Luxembourg)</source>
        <translation>Français (Luxembourg)</translation>
    </message>
    <message>
        <source>Arabic (Morocco)</source>
        <translation>Arabe (Maroc)</translation>
    </message>
    <message>
        <source>English (Ireland)</source>
        <translation>Anglais (Irlande)</translation>
    </message>
    <message>
        <source>Spanish (Panama)</source>
        <translation>Espagnol (Panama)</translation>
    </message>
    <message>
        <source>French (Monaco)</source>
        <translation>Français (Monaco)</translation>
    </message>
    <message>
        <source>Arabic (Tunisia)</source>
        <translation>Arabe (Tunisie)</translation>
    </message>
    <message>
        <source>English (South Africa)</source>
        <translation>Anglais (Afrique du Sud)</translation>
    </message>
    <message>
        <source>Spanish (Dominican Republic)</source>
        <translation>Espagnol (République dominicaine)</translation>
    </message>
    <message>
        <source>Arabic (Oman)</source>
        <translation>Arabe (Oman)</translation>
    </message>
    <message>
        <source>English (Jamaica)</source>
        <translation>Anglais (Jamaïque)</translation>
    </message>
    <message>
        <source>Spanish (Venezuela)</source>
        <translation>Espagnol (Venezuela)</translation>
    </message>
    <message>
        <source>Arabic (Yemen)</source>
        <translation>Arabe (Yémen)</translation>
    </message>
    <message>
        <source>English (Caribbean)</source>
        <translation>Anglais (Caraïbes)</translation>
    </message>
    <message>
        <source>Spanish (Colombia)</source>
        <translation>Espagnol (Colombie)</translation>
    </message>
    <message>
        <source>Arabic (Syria)</source>
        <translation>Arabe (Syrie)</translation>
    </message>
    <message>
        <source>English (Belize)</source>
        <translation>Anglais (Belize)</translation>
    </message>
    <message>
        <source>Spanish (Peru)</source>
        <translation>Espagnol (Pérou)</translation>
    </message>
    <message>
        <source>Arabic (Jordan)</source>
        <translation>Arabe (Jordanie)</translation>
    </message>
    <message>
        <source>English (Trinidad)</source>
        <translation>Anglais (Trinité)</translation>
    </message>
    <message>
        <source>Spanish (Argentina)</source>
        <translation>Espagnol (Argentine)</translation>
    </message>
    <message>
        <source>Arabic (Lebanon)</source>
        <translation>Arabe (Liban)</translation>
    </message>
    <message>
        <source>English (Zimbabwe)</source>
        <translation>Anglais (Zimbabwe)</translation>
    </message>
    <message>
        <source>Spanish (Ecuador)</source>
        <translation>Espagnol (Équateur)</translation>
    </message>
    <message>
        <source>Arabic (Kuwait)</source>
        <translation>Arabe (Koweït)</translation>
    </message>
    <message>
        <source>English (Philippines)</source>
        <translation>Anglais (Philippines)</translation>
    </message>
    <message>
        <source>Spanish (Chile)</source>
        <translation>Espagnol (Chili)</translation>
    </message>
    <message>
        <source>Arabic (UAE)</source>
        <translation>Arabe (EAU)</translation>
    </message>
    <message>
        <source>Spanish (Uruguay)</source>
        <translation>Espagnol (Uruguay)</translation>
    </message>
    <message>
        <source>Arabic (Bahrain)</source>
        <translation>Arabe (Bahreïn)</translation>
    </message>
    <message>
        <source>Spanish (Paraguay)</source>
        <translation>Espagnol (Paraguay)</translation>
    </message>
    <message>
        <source>Arabic (Qatar)</source>
        <translation>Arabe (Qatar)</translation>
    </message>
    <message>
        <source>Spanish (Bolivia)</source>
        <translation>Espagnol (Bolivie)</translation>
    </message>
    <message>
        <source>Spanish (El Salvador)</source>
        <translation>Espagnol (Salvador)</translation>
    </message>
    <message>
        <source>Spanish (Honduras)</source>
        <translation>Espagnol (Honduras)</translation>
    </message>
    <message>
        <source>Spanish (Nicaragua)</source>
        <translation>Espagnol (Nicaragua)</translation>
    </message>
    <message>
        <source>Spanish (Puerto Rico)</source>
        <translation>Espagnol (Porto Rico)</translation>
    </message>
    <message>
        <source>Current Desktop Keyboard</source>
        <translation>Clavier actuel du bureau</translation>
    </message>
</context>
<context>
    <name>lexmint::KeyboardSelectDialog</name>
    <message>
        <source>Select Keyboard</source>
        <translation>Choisir le clavier</translation>
    </message>
    <message>
        <source>Please select keyboards that you want to use in the following contexts:</source>
        <translation>Veuillez choisir les claviers à utiliser dans les contextes suivants :</translation>
    </message>
    <message>
        <source>Keyboard choice</source>
        <translation>Choix du clavier</translation>
    </message>
    <message>
        <source>Headwords</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Definitions</source>
        <translation>Définitions</translation>
    </message>
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
    <name>lexmint::KeyboardSwitcher</name>
    <message>
        <source>Keyboard Not Installed</source>
        <translation>Clavier non installé</translation>
    </message>
    <message>
        <source>The keyboard locale &quot;%1&quot; is not installed or is using a different layout.<byte value="xd"/>
Please adjust your desktop keyboard setting or change the keyboard selection for this vocabulary.</source>
        <translation>Le clavier « %1 » n&apos;est pas installé ou utilise une autre disposition.<byte value="xd"/>
Veuillez ajuster les réglages de clavier de votre bureau ou modifier le choix des claviers de ce vocabulaire.</translation>
    </message>
    <message>
        <source>Keyboard Layouts</source>
        <translation>Dispositions de clavier</translation>
    </message>
    <message>
        <source>This desktop does not let programs switch the keyboard layout, so Lex Mint cannot switch to the layouts this vocabulary asks for.<byte value="xd"/>
The status bar still names the layout each field wants. Switch to it by hand with your desktop&apos;s keyboard layout indicator or its shortcut (often Super+Space).</source>
        <translation>Ce bureau ne permet pas aux programmes de changer la disposition du clavier ; Lex Mint ne peut donc pas passer aux dispositions demandées par ce vocabulaire.<byte value="xd"/>
La barre d&apos;état indique toujours la disposition attendue par chaque champ. Changez-la à la main avec l&apos;indicateur de clavier de votre bureau ou son raccourci (souvent Super+Espace).</translation>
    </message>
</context>
<context>
    <name>lexmint::KeysetRows</name>
    <message>
        <source>The test mode &quot;%1&quot; does not list the entries&apos; IDs.</source>
        <translation>Le mode d&apos;interrogation « %1 » ne donne pas les identifiants des entrées.</translation>
    </message>
    <message>
        <source>The test mode &quot;%1&quot; was left out.</source>
        <translation>Le mode d&apos;interrogation « %1 » a été écarté.</translation>
    </message>
    <message>
        <source>The test mode &quot;%1&quot; returns too many rows.</source>
        <translation>Le mode d&apos;interrogation « %1 » renvoie trop de lignes.</translation>
    </message>
</context>
<context>
    <name>lexmint::KvtmlReader</name>
    <message>
        <source>The file is not well-formed XML at line %1: %2</source>
        <translation>Le fichier n&apos;est pas du XML bien formé à la ligne %1 : %2</translation>
    </message>
    <message>
        <source>The file declares XML entities, which a word list never needs; it was not read.</source>
        <translation>Le fichier déclare des entités XML, dont une liste de mots n&apos;a jamais besoin ; il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>This is not a KVTML 2.0 file.</source>
        <translation>Ce n&apos;est pas un fichier KVTML 2.0.</translation>
    </message>
    <message>
        <source>The file refers to the XML entity &quot;%1&quot;, which it does not declare; it was not read.</source>
        <translation>Le fichier fait référence à l&apos;entité XML « %1 », qu&apos;il ne déclare pas ; il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>An identifier without a numeric id was ignored.</source>
        <translation>Un identifiant sans numéro a été ignoré.</translation>
    </message>
    <message>
        <source>Identifier %1</source>
        <translation>Identifiant %1</translation>
    </message>
    <message>
        <source>Translations without a numeric id were ignored.</source>
        <translation>Des traductions sans numéro ont été ignorées.</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>The entry has no translation of the file&apos;s identifiers.</source>
        <translation>L&apos;entrée n&apos;a aucune traduction pour les identifiants du fichier.</translation>
    </message>
</context>
<context>
    <name>lexmint::LinePositions</name>
    <message>
        <source>The vocabulary is not open.</source>
        <translation>Le vocabulaire n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The vocabulary has more definition lines than can be shown.</source>
        <translation>Le vocabulaire a plus de lignes de définition qu&apos;il n&apos;est possible d&apos;en afficher.</translation>
    </message>
</context>
<context>
    <name>lexmint::MainWindow</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Propriétés...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Interrogation</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;About Lex Mint</source>
        <translation>À &amp;propos de Lex Mint</translation>
    </message>
    <message>
        <source>&amp;Vocabulary</source>
        <translation>&amp;Vocabulaire</translation>
    </message>
    <message>
        <source>&amp;Entry</source>
        <translation>&amp;Entrée</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Interrogation</translation>
    </message>
    <message>
        <source>V&amp;iew</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Active Keyboard</source>
        <translation>Clavier actif</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (lecture seule)</translation>
    </message>
    <message>
        <source> (hidden while testing) </source>
        <translation> (masqué pendant l&apos;interrogation) </translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progression</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Computing the review schedule from the recorded answers...</source>
        <translation>Calcul du planning de révision à partir des réponses enregistrées...</translation>
    </message>
</context>
<context>
    <name>lexmint::MistakeDialog</name>
    <message>
        <source>Mistaken Answer</source>
        <translation>Réponse erronée</translation>
    </message>
    <message>
        <source>The correct answer is:</source>
        <translation>La bonne réponse est :</translation>
    </message>
    <message>
        <source>Your answer:</source>
        <translation>Votre réponse :</translation>
    </message>
    <message>
        <source>Characters typed wrongly are marked red, extra ones are also struck through, and characters left out are shown underlined in green.</source>
        <translation>Les caractères mal tapés sont marqués en rouge, ceux en trop sont aussi barrés, et les caractères oubliés apparaissent soulignés en vert.</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Votre réponse</translation>
    </message>
    <message>
        <source>&amp;Count as Correct</source>
        <translation>&amp;Compter comme juste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
</context>
<context>
    <name>lexmint::NativeStatement</name>
    <message>
        <source>The vocabulary is not open.</source>
        <translation>Le vocabulaire n&apos;est pas ouvert.</translation>
    </message>
</context>
<context>
    <name>lexmint::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Customize Startup Options</source>
        <translation>Personnaliser les options de démarrage</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>Vocabulaire</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Aucun</translation>
    </message>
    <message>
        <source>&amp;Last Open</source>
        <translation>&amp;Dernier ouvert</translation>
    </message>
    <message>
        <source>This &amp;Vocabulary:</source>
        <translation>Ce &amp;vocabulaire :</translation>
    </message>
    <message>
        <source>&amp;Use Current Vocabulary</source>
        <translation>&amp;Utiliser le vocabulaire actuel</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Start With</source>
        <translation>Commencer par</translation>
    </message>
    <message>
        <source>&amp;Data Sheet</source>
        <translation>&amp;Feuille de données</translation>
    </message>
    <message>
        <source>&amp;Entry Form</source>
        <translation>Formulaire de &amp;saisie</translation>
    </message>
    <message>
        <source>&amp;Test Form</source>
        <translation>Formulaire d&apos;in&amp;terrogation</translation>
    </message>
    <message>
        <source>New Vocabulary</source>
        <translation>Nouveau vocabulaire</translation>
    </message>
    <message>
        <source>Set default properties for newly created vocabularies</source>
        <translation>Définir les propriétés par défaut des nouveaux vocabulaires</translation>
    </message>
    <message>
        <source>Entry Form</source>
        <translation>Formulaire de saisie</translation>
    </message>
    <message>
        <source>Customize Entry Form Behavior</source>
        <translation>Personnaliser le comportement du formulaire de saisie</translation>
    </message>
    <message>
        <source>Entry Form Behavior</source>
        <translation>Comportement du formulaire de saisie</translation>
    </message>
    <message>
        <source>&amp;Cursor keys and Enter move between form fields</source>
        <translation>Les touches &amp;fléchées et Entrée passent d&apos;un champ à l&apos;autre</translation>
    </message>
    <message>
        <source>&amp;Pressing Enter twice in the definition field submits the entry</source>
        <translation>Appuyer deux fois sur &amp;Entrée dans le champ de définition valide l&apos;entrée</translation>
    </message>
    <message>
        <source>Select Startup Database</source>
        <translation>Choisir le vocabulaire de démarrage</translation>
    </message>
</context>
<context>
    <name>lexmint::PathTitles</name>
    <message>
        <source>Lex Mint File (*.lxm)</source>
        <translation>Fichier Lex Mint (*.lxm)</translation>
    </message>
    <message>
        <source>Lex Mint 2.0 File (*.mdb)</source>
        <translation>Fichier Lex Mint 2.0 (*.mdb)</translation>
    </message>
</context>
<context>
    <name>lexmint::ProgressCharts</name>
    <message>
        <source>Answers per day</source>
        <translation>Réponses par jour</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fausses</translation>
    </message>
    <message>
        <source>Words by memory strength</source>
        <translation>Mots selon la solidité de leur mémorisation</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>Il y a %1 jours</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveaux</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>En apprentissage</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Connus</translation>
    </message>
    <message>
        <source>Well known</source>
        <translation>Bien connus</translation>
    </message>
    <message>
        <source>Reviews due</source>
        <translation>Révisions prévues</translation>
    </message>
    <message>
        <source>Due (today&apos;s with the overdue)</source>
        <translation>À réviser (aujourd&apos;hui avec les retards)</translation>
    </message>
    <message>
        <source>Answered right per week</source>
        <translation>Taux de réussite par semaine</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Réponses justes</translation>
    </message>
    <message>
        <source>Target %1 %</source>
        <translation>Objectif %1 %</translation>
    </message>
</context>
<context>
    <name>lexmint::ProgressWindow</name>
    <message>
        <source>Save Chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Save as &amp;Picture...</source>
        <translation>Enregistrer comme &amp;image...</translation>
    </message>
    <message>
        <source>No answers are recorded in this vocabulary yet.

Take a test, and how you are getting on will show here: your answers day by day, how firmly you know your words, and the reviews to come.</source>
        <translation>Aucune réponse n&apos;est encore enregistrée dans ce vocabulaire.

Faites une interrogation, et vos progrès s&apos;afficheront ici : vos réponses jour après jour, la solidité de vos connaissances et les révisions à venir.</translation>
    </message>
    <message>
        <source>PNG Picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Le graphique n&apos;a pas pu être enregistré sous %1.</translation>
    </message>
</context>
<context>
    <name>lexmint::PropertiesDialog</name>
    <message>
        <source>Properties of %1</source>
        <translation>Propriétés de %1</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Options for the open vocabulary</source>
        <translation>Options du vocabulaire ouvert</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Statistical information for the open vocabulary</source>
        <translation>Informations statistiques sur le vocabulaire ouvert</translation>
    </message>
    <message>
        <source>Record Counts</source>
        <translation>Nombre d&apos;enregistrements</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Due today:</source>
        <translation>À réviser aujourd&apos;hui :</translation>
    </message>
    <message>
        <source>Known:</source>
        <translation>Connus :</translation>
    </message>
</context>
<context>
    <name>lexmint::QuickFindDialog</name>
    <message>
        <source>Quick Find</source>
        <translation>Recherche rapide</translation>
    </message>
</context>
<context>
    <name>lexmint::ResultDialog</name>
    <message>
        <source>Test Result</source>
        <translation>Résultat de l&apos;interrogation</translation>
    </message>
    <message>
        <source>Testing Mode</source>
        <translation>Mode d&apos;interrogation</translation>
    </message>
    <message>
        <source>Correct Answers</source>
        <translation>Bonnes réponses</translation>
    </message>
    <message>
        <source>Incorrect Answers</source>
        <translation>Mauvaises réponses</translation>
    </message>
    <message>
        <source>Total Tested</source>
        <translation>Total interrogé</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lexmint::RowWriter</name>
    <message>
        <source>%1 has no writable column %2.</source>
        <translation>%1 n&apos;a pas de colonne modifiable %2.</translation>
    </message>
    <message>
        <source>The row to change no longer exists.</source>
        <translation>La ligne à modifier n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The row to delete no longer exists.</source>
        <translation>La ligne à supprimer n&apos;existe plus.</translation>
    </message>
    <message>
        <source>A headword cannot be empty.</source>
        <translation>Un mot ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A definition line needs its entry and its text.</source>
        <translation>Une ligne de définition a besoin de son entrée et de son texte.</translation>
    </message>
    <message>
        <source>The vocabulary has no entry numbers left: the file already holds the highest number an entry can have (%1), so no entry can be added to it. Create a new vocabulary for further entries.</source>
        <translation>Le vocabulaire n&apos;a plus de numéros d&apos;entrée libres : le fichier contient déjà le plus grand numéro qu&apos;une entrée puisse avoir (%1), aucune entrée ne peut donc y être ajoutée. Créez un nouveau vocabulaire pour les entrées suivantes.</translation>
    </message>
</context>
<context>
    <name>lexmint::SampleVocabulary</name>
    <message>
        <source>Spanish-English</source>
        <translation>Espagnol-anglais</translation>
    </message>
    <message>
        <source>French-English</source>
        <translation>Français-anglais</translation>
    </message>
    <message>
        <source>German-English</source>
        <translation>Allemand-anglais</translation>
    </message>
    <message>
        <source>Advanced English</source>
        <translation>Anglais avancé</translation>
    </message>
</context>
<context>
    <name>lexmint::ScheduleSchema</name>
    <message>
        <source>The vocabulary template could not be read.</source>
        <translation>Le modèle de vocabulaire n&apos;a pas pu être lu.</translation>
    </message>
</context>
<context>
    <name>lexmint::SplashWindow</name>
    <message>
        <source>Your own vocabulary, word by word</source>
        <translation>Votre vocabulaire à vous, mot après mot</translation>
    </message>
</context>
<context>
    <name>lexmint::SqlQuery</name>
    <message>
        <source>The vocabulary is in use by another program. Nothing was changed; try again once the other program has finished with it.</source>
        <translation>Le vocabulaire est utilisé par un autre programme. Rien n&apos;a été modifié ; réessayez quand l&apos;autre programme en aura fini.</translation>
    </message>
    <message>
        <source>The vocabulary file is read-only, so the change was not saved.</source>
        <translation>Le fichier de vocabulaire est en lecture seule ; la modification n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The disk is full, so the change was not saved.</source>
        <translation>Le disque est plein ; la modification n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The vocabulary file %1 was replaced by another file after it was opened, so the change was not saved.</source>
        <translation>Le fichier de vocabulaire %1 a été remplacé par un autre fichier après son ouverture ; la modification n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The vocabulary file %1 is no longer there; it was moved or deleted.</source>
        <translation>Le fichier de vocabulaire %1 n&apos;est plus là ; il a été déplacé ou supprimé.</translation>
    </message>
    <message>
        <source>The folder of the vocabulary file is read-only. Saving a change needs a temporary journal file beside the vocabulary, so the change was not saved, although the file itself could be written.</source>
        <translation>Le dossier du fichier de vocabulaire est en lecture seule. Enregistrer une modification demande un fichier journal temporaire à côté du vocabulaire ; la modification n&apos;a donc pas été enregistrée, bien que le fichier lui-même soit modifiable.</translation>
    </message>
    <message>
        <source>The vocabulary file is damaged.</source>
        <translation>Le fichier de vocabulaire est endommagé.</translation>
    </message>
</context>
<context>
    <name>lexmint::StartPage</name>
    <message>
        <source>Build your own vocabulary and drill it.</source>
        <translation>Construisez votre propre vocabulaire et entraînez-vous.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>New Vocabulary...</source>
        <translation>Nouveau vocabulaire...</translation>
    </message>
    <message>
        <source>Open Vocabulary...</source>
        <translation>Ouvrir un vocabulaire...</translation>
    </message>
    <message>
        <source>Recent Vocabularies</source>
        <translation>Vocabulaires récents</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Exemples</translation>
    </message>
    <message>
        <source>Opens a copy of your own</source>
        <translation>Ouvre votre propre copie</translation>
    </message>
</context>
<context>
    <name>lexmint::TabbedDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>lexmint::TestModes</name>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Never Tested</source>
        <translation>Jamais interrogées</translation>
    </message>
    <message>
        <source>Last Answer Wrong</source>
        <translation>Dernière réponse fausse</translation>
    </message>
    <message>
        <source>Not Tested for a Week</source>
        <translation>Pas interrogées depuis une semaine</translation>
    </message>
    <message>
        <source>Worst Answered</source>
        <translation>Les moins bien réussies</translation>
    </message>
    <message>
        <source>Random Order</source>
        <translation>Ordre aléatoire</translation>
    </message>
    <message>
        <source>Due for Review</source>
        <translation>À réviser</translation>
    </message>
    <message>
        <source>Due Today</source>
        <translation>À réviser aujourd&apos;hui</translation>
    </message>
</context>
<context>
    <name>lexmint::TestRun</name>
    <message>
        <source>The test mode &apos;%1&apos; could not be read.<byte value="xd"/>
%2</source>
        <translation>Le mode d&apos;interrogation « %1 » n&apos;a pas pu être lu.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>No records in mode &apos;%1&apos;</source>
        <translation>Aucun enregistrement dans le mode « %1 »</translation>
    </message>
    <message>
        <source>The entry is no longer in the vocabulary.</source>
        <translation>L&apos;entrée n&apos;est plus dans le vocabulaire.</translation>
    </message>
    <message>
        <source>The next entry could not be read, so the test ends here.<byte value="xd"/>
%1</source>
        <translation>L&apos;entrée suivante n&apos;a pas pu être lue ; l&apos;interrogation s&apos;arrête ici.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This answer could not be saved in the vocabulary.<byte value="xd"/>
%1<byte value="xd"/>
The test goes on, but answers that cannot be saved leave their entries as they were.</source>
        <translation>Cette réponse n&apos;a pas pu être enregistrée dans le vocabulaire.<byte value="xd"/>
%1<byte value="xd"/>
L&apos;interrogation continue, mais les entrées dont les réponses ne peuvent pas être enregistrées restent inchangées.</translation>
    </message>
    <message>
        <source>Answer Not Saved</source>
        <translation>Réponse non enregistrée</translation>
    </message>
</context>
<context>
    <name>lexmint::TestWindow</name>
    <message>
        <source>No more entries</source>
        <translation>Plus d&apos;entrées</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Interrogation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Passer</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>Entry / Mode</source>
        <translation>Entrée / mode</translation>
    </message>
    <message>
        <source>✔ Correct</source>
        <translation>✔ Juste</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Details &gt;&gt;</source>
        <translation>&amp;Détails &gt;&gt;</translation>
    </message>
    <message>
        <source>Last Test</source>
        <translation>Dernière interrogation</translation>
    </message>
    <message>
        <source>Last Tested On</source>
        <translation>Dernière interrogation le</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Answered Correctly</source>
        <translation>Réponse juste</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Au total</translation>
    </message>
    <message>
        <source>Correct / All Answers</source>
        <translation>Justes / toutes les réponses</translation>
    </message>
    <message>
        <source>Correct Answers Ratio</source>
        <translation>Taux de bonnes réponses</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Details</source>
        <translation>&lt;&lt; &amp;Détails</translation>
    </message>
    <message>
        <source>Created On</source>
        <translation>Créée le</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>✔ Correct: %1</source>
        <translation>✔ Juste : %1</translation>
    </message>
</context>
<context>
    <name>lexmint::TextDecoder</name>
    <message>
        <source>The encoding &quot;%1&quot; is not known.</source>
        <translation>L&apos;encodage « %1 » est inconnu.</translation>
    </message>
    <message>
        <source>The file is not valid %1 text at line %2. Choose the encoding it was written in.</source>
        <translation>Le fichier n&apos;est pas du texte %1 valide à la ligne %2. Choisissez l&apos;encodage dans lequel il a été écrit.</translation>
    </message>
    <message>
        <source>The file holds NUL characters at line %1, so it is not a text file in %2.</source>
        <translation>Le fichier contient des caractères NUL à la ligne %1 ; ce n&apos;est donc pas un fichier texte en %2.</translation>
    </message>
</context>
<context>
    <name>lexmint::VocOptions</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Headwords are &amp;case sensitive</source>
        <translation>Les mots distinguent les &amp;majuscules</translation>
    </message>
    <message>
        <source>&amp;Warn when a headword is not unique</source>
        <translation>&amp;Avertir si un mot n&apos;est pas unique</translation>
    </message>
    <message>
        <source>Keyboards...</source>
        <translation>Claviers...</translation>
    </message>
    <message>
        <source>&amp;Accents may be left out</source>
        <translation>Les ac&amp;cents peuvent être omis</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyFile</name>
    <message>
        <source>Read/write of properties in this vocabulary failed. Properties for this vocabulary will not be remembered the next time it is opened.</source>
        <translation>La lecture ou l&apos;écriture des propriétés de ce vocabulaire a échoué. Elles ne seront pas conservées à sa prochaine ouverture.</translation>
    </message>
    <message>
        <source>Property Error</source>
        <translation>Erreur de propriétés</translation>
    </message>
    <message>
        <source>Not a Lex Mint database.</source>
        <translation>Ce n&apos;est pas une base de données Lex Mint.</translation>
    </message>
    <message>
        <source>Inconsistency in the Lex Mint database encountered!<byte value="xd"/>Exit the application and try compacting the database in sqlite3.<byte value="xd"/>If the problem persists, contact Lex Mint technical support.</source>
        <translation>Incohérence rencontrée dans la base de données Lex Mint !<byte value="xd"/>Quittez l&apos;application et essayez de compacter la base de données dans sqlite3.<byte value="xd"/>Si le problème persiste, contactez l&apos;assistance technique de Lex Mint.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
    <message>
        <source>The vocabulary could not be read.<byte value="xd"/>
%1</source>
        <translation>Le vocabulaire n&apos;a pas pu être lu.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The test mode &quot;%1&quot; takes too long to read and was left out</source>
        <translation>Le mode d&apos;interrogation « %1 » est trop long à lire et a été écarté</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyImporter</name>
    <message>
        <source>Merged into the entry &quot;%1&quot;, its definition would have %2 lines; an entry holds at most %3.</source>
        <translation>Fusionnée avec l&apos;entrée « %1 », sa définition aurait %2 lignes ; une entrée en contient au plus %3.</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyModel</name>
    <message>
        <source>The entry is no longer in the vocabulary.</source>
        <translation>L&apos;entrée n&apos;est plus dans le vocabulaire.</translation>
    </message>
    <message>
        <source>Bad Entry</source>
        <translation>Entrée incorrecte</translation>
    </message>
    <message>
        <source>Headword</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyReader</name>
    <message>
        <source>The vocabulary has no test mode &quot;%1&quot;.</source>
        <translation>Le vocabulaire n&apos;a pas de mode d&apos;interrogation « %1 ».</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyRows</name>
    <message>
        <source>The column %1 cannot be changed here.</source>
        <translation>La colonne %1 ne peut pas être modifiée ici.</translation>
    </message>
    <message>
        <source>Rows of the data sheet cannot be deleted; delete the entry.</source>
        <translation>Les lignes de la feuille de données ne peuvent pas être supprimées ; supprimez l&apos;entrée.</translation>
    </message>
    <message>
        <source>Rows cannot be added to the data sheet; add an entry.</source>
        <translation>Impossible d&apos;ajouter des lignes à la feuille de données ; ajoutez une entrée.</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularySession</name>
    <message>
        <source>Open Vocabulary</source>
        <translation>Ouvrir un vocabulaire</translation>
    </message>
    <message>
        <source>SQLite Engine Error %1: %2</source>
        <translation>Erreur %1 du moteur SQLite : %2</translation>
    </message>
    <message>
        <source>Cannot open %1<byte value="xd"/>%2</source>
        <translation>Impossible d&apos;ouvrir %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>This is an Access database, such as a vocabulary of an older Lex Mint. This version cannot read that format.</source>
        <translation>Il s&apos;agit d&apos;une base de données Access, comme un vocabulaire d&apos;une ancienne version de Lex Mint. Cette version ne sait pas lire ce format.</translation>
    </message>
    <message>
        <source>Not a Lex Mint database.</source>
        <translation>Ce n&apos;est pas une base de données Lex Mint.</translation>
    </message>
    <message>
        <source>Create New Vocabulary</source>
        <translation>Créer un nouveau vocabulaire</translation>
    </message>
    <message>
        <source>Cannot create new database.<byte value="xd"/>Error %1: %2</source>
        <translation>Impossible de créer la nouvelle base de données.<byte value="xd"/>Erreur %1 : %2</translation>
    </message>
    <message>
        <source>The vocabulary file %1 is damaged. Lex Mint keeps it read-only, so that no more of it is lost: you can look at its entries and test yourself, but nothing is saved in it.<byte value="xd"/><byte value="xd"/>Save what can still be read as a new vocabulary?</source>
        <translation>Le fichier de vocabulaire %1 est endommagé. Lex Mint le garde en lecture seule pour qu&apos;il ne s&apos;en perde rien de plus : vous pouvez consulter ses entrées et vous interroger, mais rien n&apos;y est enregistré.<byte value="xd"/><byte value="xd"/>Enregistrer ce qui peut encore être lu comme nouveau vocabulaire ?</translation>
    </message>
    <message>
        <source>The vocabulary file %1 contains triggers that Lex Mint did not create: %2.<byte value="xd"/>They could change or delete entries whenever Lex Mint writes into the file, so Lex Mint keeps it read-only. Remove them with another tool, such as sqlite3, to change the vocabulary in Lex Mint.</source>
        <translation>Le fichier de vocabulaire %1 contient des déclencheurs que Lex Mint n&apos;a pas créés : %2.<byte value="xd"/>Ils pourraient modifier ou supprimer des entrées chaque fois que Lex Mint écrit dans le fichier ; Lex Mint le garde donc en lecture seule. Supprimez-les avec un autre outil, comme sqlite3, pour modifier le vocabulaire dans Lex Mint.</translation>
    </message>
    <message>
        <source>The vocabulary file %1 was opened read-only, because it could not be prepared for use:<byte value="xd"/>%2</source>
        <translation>Le fichier de vocabulaire %1 a été ouvert en lecture seule, car il n&apos;a pas pu être préparé :<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The file&apos;s name is not valid UTF-8 text, and Lex Mint can open only files whose names are. Rename the file, for example in the file manager, and open it again.</source>
        <translation>Le nom du fichier n&apos;est pas du texte UTF-8 valide, et Lex Mint ne peut ouvrir que des fichiers dont le nom l&apos;est. Renommez le fichier, par exemple dans le gestionnaire de fichiers, puis rouvrez-le.</translation>
    </message>
    <message>
        <source>Save As New Vocabulary</source>
        <translation>Enregistrer comme nouveau vocabulaire</translation>
    </message>
    <message>
        <source>The damaged file itself cannot take the entries, since they are read from it. Choose another file.</source>
        <translation>Le fichier endommagé ne peut pas recevoir lui-même les entrées, puisqu&apos;elles y sont lues. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>The entries could not be saved.<byte value="xd"/>Error %1: %2</source>
        <translation>Les entrées n&apos;ont pas pu être enregistrées.<byte value="xd"/>Erreur %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were saved in %1.</source>
        <translation>
            <numerusform>%n entrée a été enregistrée dans %1.</numerusform>
            <numerusform>%n entrées ont été enregistrées dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a vocabulary to see how you are getting on with it.</source>
        <translation>Ouvrez un vocabulaire pour voir où vous en êtes.</translation>
    </message>
    <message>
        <source>The progress in this vocabulary could not be read.
%1</source>
        <translation>La progression de ce vocabulaire n&apos;a pas pu être lue.
%1</translation>
    </message>
</context>
<context>
    <name>lexmint::WordListWriter</name>
    <message>
        <source>A vocabulary is made by importing into it, not by exporting.</source>
        <translation>Un vocabulaire se crée en y important des mots, pas en exportant.</translation>
    </message>
</context>
</TS>
