<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
  <context>
    <name>amortix</name>
    <message>
      <source>About %1</source>
      <translation>À propos d'%1</translation>
    </message>
    <message>
      <source>Version %1</source>
      <translation>Version %1</translation>
    </message>
    <message>
      <source>Mortgage and personal loan tables, mortgage comparisons and affordability,
with additional payments, printed reports, graphs and saved tables.</source>
      <translation>Tableaux de prêts hypothécaires et personnels, comparaisons hypothécaires et capacité d'emprunt,
avec versements supplémentaires, rapports imprimés, graphiques et tableaux enregistrés.</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>&amp;Quitter</translation>
    </message>
    <message>
      <source>Additional Payments</source>
      <translation>Versements supplémentaires</translation>
    </message>
    <message>
      <source>Select type of payment</source>
      <translation>Choisir le type de versement</translation>
    </message>
    <message>
      <source>Increase P + I payment by a percentage</source>
      <translation>Augmenter le versement C + I d'un pourcentage</translation>
    </message>
    <message>
      <source>Apply one payment to selected year/s</source>
      <translation>Appliquer un versement aux années choisies</translation>
    </message>
    <message>
      <source>Apply to month</source>
      <translation>Appliquer au mois</translation>
    </message>
    <message>
      <source>&amp;Erase all</source>
      <translation>Tout &amp;effacer</translation>
    </message>
    <message>
      <source>&amp;OK</source>
      <translation>&amp;OK</translation>
    </message>
    <message>
      <source>Percentage and &amp;years</source>
      <translation>&amp;Pourcentage et années</translation>
    </message>
    <message>
      <source>&amp;Prepayments</source>
      <translation>&amp;Remboursements anticipés</translation>
    </message>
    <message>
      <source>Year Number</source>
      <translation>Numéro d'année</translation>
    </message>
    <message>
      <source>Amount of Payment</source>
      <translation>Montant du versement</translation>
    </message>
    <message>
      <source>Added to every payment</source>
      <translation>Ajouté à chaque versement</translation>
    </message>
    <message>
      <source>&amp;Amount</source>
      <translation>&amp;Montant</translation>
    </message>
    <message>
      <source>&amp;From year</source>
      <translation>Année de &amp;début</translation>
    </message>
    <message>
      <source>From mont&amp;h</source>
      <translation>Mois de dé&amp;but</translation>
    </message>
    <message>
      <source>&amp;To year</source>
      <translation>Année de &amp;fin</translation>
    </message>
    <message>
      <source>To mo&amp;nth</source>
      <translation>Mois de fi&amp;n</translation>
    </message>
    <message>
      <source>One-time amounts</source>
      <translation>Montants uniques</translation>
    </message>
    <message>
      <source>Yea&amp;r</source>
      <translation>&amp;Année</translation>
    </message>
    <message>
      <source>&amp;Month</source>
      <translation>Moi&amp;s</translation>
    </message>
    <message>
      <source>Amo&amp;unt</source>
      <translation>Mon&amp;tant</translation>
    </message>
    <message>
      <source>A&amp;dd</source>
      <translation>A&amp;jouter</translation>
    </message>
    <message>
      <source>Rep&amp;lace</source>
      <translation>Remp&amp;lacer</translation>
    </message>
    <message>
      <source>Remo&amp;ve</source>
      <translation>Ret&amp;irer</translation>
    </message>
    <message>
      <source>What a one-time amount does, and the lender's limits</source>
      <translation>Effet d'un montant unique et limites du prêteur</translation>
    </message>
    <message>
      <source>&amp;What a one-time amount does</source>
      <translation>Effet d'un montant uni&amp;que</translation>
    </message>
    <message>
      <source>Yearly limit, % of the pr&amp;incipal</source>
      <translation>Limite annuelle, % du &amp;capital</translation>
    </message>
    <message>
      <source>Payment in&amp;crease limit, % of the payment</source>
      <translation>Limite d'au&amp;gmentation du versement, % du versement</translation>
    </message>
    <message>
      <source>Message</source>
      <translation>Message</translation>
    </message>
    <message>
      <source>Quick Help</source>
      <translation>Aide rapide</translation>
    </message>
    <message>
      <source>&amp;Calculate</source>
      <translation>&amp;Calculer</translation>
    </message>
    <message>
      <source>&amp;Days in Year</source>
      <translation>&amp;Jours dans l'année</translation>
    </message>
    <message>
      <source>&amp;Print</source>
      <translation>&amp;Imprimer</translation>
    </message>
    <message>
      <source>Export &amp;File</source>
      <translation>E&amp;xporter le fichier</translation>
    </message>
    <message>
      <source>Cop&amp;y Results</source>
      <translation>Co&amp;pier les résultats</translation>
    </message>
    <message>
      <source>E&amp;xit to Menu</source>
      <translation>Retour au &amp;menu</translation>
    </message>
    <message>
      <source>Rate changes in force</source>
      <translation>Changements de taux en vigueur</translation>
    </message>
    <message>
      <source>&amp;Additional Payments</source>
      <translation>Versements &amp;supplémentaires</translation>
    </message>
    <message>
      <source>&amp;Rate Changes</source>
      <translation>C&amp;hangements de taux</translation>
    </message>
    <message>
      <source>De&amp;lete Row</source>
      <translation>Supprimer la &amp;ligne</translation>
    </message>
    <message>
      <source>&amp;Show Graph</source>
      <translation>Afficher le &amp;graphique</translation>
    </message>
    <message>
      <source>Sav&amp;e File</source>
      <translation>&amp;Enregistrer le fichier</translation>
    </message>
    <message>
      <source>&amp;Open File</source>
      <translation>&amp;Ouvrir un fichier</translation>
    </message>
    <message>
      <source>Costs</source>
      <translation>Coûts</translation>
    </message>
    <message>
      <source>&amp;Erase</source>
      <translation>&amp;Effacer</translation>
    </message>
    <message>
      <source>Interest %1, finance charges %2, insurance %3</source>
      <translation>Intérêts %1, frais de financement %2, assurance %3</translation>
    </message>
    <message>
      <source>Date Input</source>
      <translation>Saisie de la date</translation>
    </message>
    <message>
      <source> Type in the date of the    first payment</source>
      <translation> Tapez la date du premier versement</translation>
    </message>
    <message>
      <source>Accelerated payments</source>
      <translation>Versements accélérés</translation>
    </message>
    <message>
      <source> Change interest rate factor - days </source>
      <translation> Changer le facteur de taux d'intérêt - jours </translation>
    </message>
    <message>
      <source>Other:</source>
      <translation>Autre :</translation>
    </message>
    <message>
      <source>Graph</source>
      <translation>Graphique</translation>
    </message>
    <message>
      <source>Show Graph in &amp;2D</source>
      <translation>Graphique en &amp;2D</translation>
    </message>
    <message>
      <source>Show Graph in &amp;3D</source>
      <translation>Graphique en &amp;3D</translation>
    </message>
    <message>
      <source>Sa&amp;ve Picture</source>
      <translation>&amp;Enregistrer l'image</translation>
    </message>
    <message>
      <source>&amp;Copy Picture</source>
      <translation>&amp;Copier l'image</translation>
    </message>
    <message>
      <source>Save the chart as a PNG image or an SVG drawing</source>
      <translation>Enregistrer le graphique en image PNG ou en dessin SVG</translation>
    </message>
    <message>
      <source>Copy the chart to the clipboard as an image</source>
      <translation>Copier le graphique dans le presse-papiers sous forme d'image</translation>
    </message>
    <message>
      <source>Amortix Help</source>
      <translation>Aide d'Amortix</translation>
    </message>
    <message>
      <source>User guide</source>
      <translation>Guide de l'utilisateur</translation>
    </message>
    <message>
      <source>&amp;Contents</source>
      <translation>Table des &amp;matières</translation>
    </message>
    <message>
      <source>E&amp;xit Help</source>
      <translation>&amp;Quitter l'aide</translation>
    </message>
    <message>
      <source> Amortix Menu</source>
      <translation> Menu Amortix</translation>
    </message>
    <message>
      <source>Mortgage and loan calculator</source>
      <translation>Calculatrice de prêts hypothécaires et personnels</translation>
    </message>
    <message>
      <source>Mortgage &amp;Tables</source>
      <translation>&amp;Tableaux hypothécaires</translation>
    </message>
    <message>
      <source>Personal &amp;Loan Tables</source>
      <translation>Tableaux de p&amp;rêts personnels</translation>
    </message>
    <message>
      <source>Mortgage &amp;Comparisons</source>
      <translation>&amp;Comparaisons hypothécaires</translation>
    </message>
    <message>
      <source>&amp;Mortgage Affordability</source>
      <translation>Capacité d'e&amp;mprunt hypothécaire</translation>
    </message>
    <message>
      <source>&amp;Qualify</source>
      <translation>A&amp;dmissibilité</translation>
    </message>
    <message>
      <source>&amp;Personalize Settings</source>
      <translation>&amp;Paramètres personnels</translation>
    </message>
    <message>
      <source>&amp;How to Use the Program</source>
      <translation>Comment &amp;utiliser le programme</translation>
    </message>
    <message>
      <source>&amp;About...</source>
      <translation>À pr&amp;opos...</translation>
    </message>
    <message>
      <source>E&amp;xit Program</source>
      <translation>&amp;Quitter le programme</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Aide</translation>
    </message>
    <message>
      <source>This calculator is not part of this build yet.</source>
      <translation>Cette calculatrice ne fait pas encore partie de cette version.</translation>
    </message>
    <message>
      <source>Input</source>
      <translation>Saisie</translation>
    </message>
    <message>
      <source> Type in one line header information.</source>
      <translation> Tapez l'en-tête sur une ligne.</translation>
    </message>
    <message>
      <source>Continue &amp;Printout</source>
      <translation>&amp;Poursuivre l'impression</translation>
    </message>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Annuler</translation>
    </message>
    <message>
      <source>Save File</source>
      <translation>Enregistrer le fichier</translation>
    </message>
    <message>
      <source>Open File</source>
      <translation>Ouvrir un fichier</translation>
    </message>
    <message>
      <source>&amp;Recent files:</source>
      <translation>Fichiers &amp;récents :</translation>
    </message>
    <message>
      <source>Recent files</source>
      <translation>Fichiers récents</translation>
    </message>
    <message>
      <source>Borrowers and the home</source>
      <translation>Les emprunteurs et la maison</translation>
    </message>
    <message>
      <source>Mortgage and the lender's limits</source>
      <translation>Le prêt hypothécaire et les limites du prêteur</translation>
    </message>
    <message>
      <source>What the income qualifies for</source>
      <translation>Montants auxquels le revenu donne droit</translation>
    </message>
    <message>
      <source>Use in &amp;Tables</source>
      <translation>Utiliser dans les &amp;tableaux</translation>
    </message>
    <message>
      <source>Sa&amp;ve File</source>
      <translation>&amp;Enregistrer le fichier</translation>
    </message>
    <message>
      <source> Continue?</source>
      <translation> Continuer?</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Oui</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;Non</translation>
    </message>
    <message>
      <source>Rate Changes</source>
      <translation>Changements de taux</translation>
    </message>
    <message>
      <source>Rate changes</source>
      <translation>Changements de taux</translation>
    </message>
    <message>
      <source>&amp;Year</source>
      <translation>&amp;Année</translation>
    </message>
    <message>
      <source>New ra&amp;te %</source>
      <translation>Nouveau &amp;taux %</translation>
    </message>
    <message>
      <source>&amp;Payment</source>
      <translation>&amp;Versement</translation>
    </message>
    <message>
      <source>&amp;Add</source>
      <translation>A&amp;jouter</translation>
    </message>
    <message>
      <source>&amp;Replace</source>
      <translation>&amp;Remplacer</translation>
    </message>
    <message>
      <source>Personalize</source>
      <translation>Personnaliser</translation>
    </message>
    <message>
      <source> Change the currency symbol</source>
      <translation> Changer le symbole monétaire</translation>
    </message>
    <message>
      <source> Type in your name</source>
      <translation> Saisissez votre nom</translation>
    </message>
    <message>
      <source>Change printer fonts</source>
      <translation>Police de l'imprimante</translation>
    </message>
    <message>
      <source>Courier New 11 point font.</source>
      <translation>Police Courier New de 11 points.</translation>
    </message>
    <message>
      <source>Standard printer font.</source>
      <translation>Police standard de l'imprimante.</translation>
    </message>
    <message>
      <source>Change interest compound period</source>
      <translation>Période de capitalisation des intérêts</translation>
    </message>
    <message>
      <source>Monthly</source>
      <translation>Mensuelle</translation>
    </message>
    <message>
      <source>Bi-Monthly</source>
      <translation>Bimestrielle</translation>
    </message>
    <message>
      <source>Quarterly</source>
      <translation>Trimestrielle</translation>
    </message>
    <message>
      <source>Semi-Annual</source>
      <translation>Semestrielle</translation>
    </message>
    <message>
      <source>Annual</source>
      <translation>Annuelle</translation>
    </message>
    <message>
      <source>&amp;Language</source>
      <translation>&amp;Langue</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Langue</translation>
    </message>
    <message>
      <source>The language changes at the next start.</source>
      <translation>La langue change au prochain démarrage.</translation>
    </message>
    <message>
      <source> Personalize</source>
      <translation> Personnaliser</translation>
    </message>
    <message>
      <source>Save the printout as PDF</source>
      <translation>Enregistrer l'impression en PDF</translation>
    </message>
    <message>
      <source>PDF files (*.pdf)</source>
      <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Imprimer</translation>
    </message>
    <message>
      <source>P+I includes</source>
      <translation>C+I comprend</translation>
    </message>
    <message>
      <source>Additional payments in force</source>
      <translation>Versements supplémentaires en vigueur</translation>
    </message>
    <message>
      <source>Costs in force</source>
      <translation>Coûts en vigueur</translation>
    </message>
    <message>
      <source>Red while costs are in force</source>
      <translation>Rouge tant que des coûts sont en vigueur</translation>
    </message>
    <message>
      <source> Show payments.</source>
      <translation> Afficher les versements.</translation>
    </message>
    <message>
      <source>All </source>
      <translation>Tous </translation>
    </message>
    <message>
      <source>Annual</source>
      <comment>payments shown</comment>
      <translation>Annuels</translation>
    </message>
    <message>
      <source>Amortization schedule</source>
      <translation>Tableau d'amortissement</translation>
    </message>
    <message>
      <source>Quick help</source>
      <translation>Aide rapide</translation>
    </message>
    <message>
      <source>&amp;Term</source>
      <translation>&amp;Terme</translation>
    </message>
    <message>
      <source>&amp;Additional payments</source>
      <translation>Versements &amp;supplémentaires</translation>
    </message>
    <message>
      <source>&amp;Rate changes</source>
      <translation>C&amp;hangements de taux</translation>
    </message>
    <message>
      <source>Costs and &amp;fees</source>
      <translation>Coûts et &amp;frais</translation>
    </message>
    <message>
      <source>&amp;Days in year</source>
      <translation>&amp;Jours dans l'année</translation>
    </message>
    <message>
      <source>Export fi&amp;le</source>
      <translation>E&amp;xporter le fichier</translation>
    </message>
    <message>
      <source>Cop&amp;y results</source>
      <translation>Co&amp;pier les résultats</translation>
    </message>
    <message>
      <source>Term</source>
      <translation>Terme</translation>
    </message>
    <message>
      <source>Select term to display</source>
      <translation>Choisir le terme à afficher</translation>
    </message>
    <message>
      <source>      Monthly</source>
      <translation>      Mensuelle</translation>
    </message>
    <message>
      <source>  Semimonthly</source>
      <translation> Semi-mensuelle</translation>
    </message>
    <message>
      <source>      2 Weeks</source>
      <translation>   2 semaines</translation>
    </message>
    <message>
      <source>      1 Week</source>
      <translation>   1 semaine</translation>
    </message>
    <message>
      <source> Biweekly(Acc)</source>
      <translation> Aux 2 semaines (acc.)</translation>
    </message>
    <message>
      <source>   Weekly(Acc)</source>
      <translation>   Hebdomadaire (acc.)</translation>
    </message>
    <message>
      <source>    Bimonthly</source>
      <translation> Bimestrielle</translation>
    </message>
    <message>
      <source>    Quarterly</source>
      <translation>Trimestrielle</translation>
    </message>
    <message>
      <source>   Semiannual</source>
      <translation> Semestrielle</translation>
    </message>
    <message>
      <source>       Annual</source>
      <translation>     Annuelle</translation>
    </message>
    <message>
      <source>Type in year</source>
      <translation>Saisir l'année</translation>
    </message>
    <message>
      <source>Paid in cash</source>
      <translation>Payés comptant</translation>
    </message>
    <message>
      <source>Added to the loan</source>
      <translation>Ajoutés au prêt</translation>
    </message>
    <message>
      <source>None</source>
      <translation>Aucune</translation>
    </message>
    <message>
      <source>Canada</source>
      <translation>Canada</translation>
    </message>
    <message>
      <source>United States</source>
      <translation>États-Unis</translation>
    </message>
    <message>
      <source>Recalculate</source>
      <translation>Recalculer</translation>
    </message>
    <message>
      <source>Keep</source>
      <translation>Conserver</translation>
    </message>
    <message>
      <source>Exact</source>
      <translation>Exact</translation>
    </message>
    <message>
      <source>Rounded as lenders do</source>
      <translation>Arrondi comme les prêteurs</translation>
    </message>
    <message>
      <source>Shorten the term</source>
      <translation>Réduire la durée</translation>
    </message>
    <message>
      <source>Lower the payment</source>
      <translation>Réduire le versement</translation>
    </message>
    <message>
      <source> Total mortgage interest paid</source>
      <translation> Total des intérêts hypothécaires payés</translation>
    </message>
    <message>
      <source>Housing (GDS)</source>
      <translation>Logement (ABD)</translation>
    </message>
    <message>
      <source>Total (TDS)</source>
      <translation>Total (ATD)</translation>
    </message>
    <message>
      <source>Normal</source>
      <translation>Normal</translation>
    </message>
    <message>
      <source>Mortgage balance at start of each Year</source>
      <translation>Solde du prêt hypothécaire au début de chaque année</translation>
    </message>
    <message>
      <source>Personal Loan balance at start of each Year</source>
      <translation>Solde du prêt personnel au début de chaque année</translation>
    </message>
    <message>
      <source>Automatic</source>
      <translation>Automatique</translation>
    </message>
    <message>
      <source> Continue with Printout.</source>
      <translation> Poursuivre l'impression.</translation>
    </message>
    <message>
      <source> Print in Color.</source>
      <translation> Imprimer en couleur.</translation>
    </message>
    <message>
      <source> file in memory will be erased. Do you wish to go back and save it to Disk?.</source>
      <translation> Le fichier en mémoire sera effacé. Voulez-vous revenir en arrière pour l'enregistrer sur disque?</translation>
    </message>
    <message>
      <source> Erase every additional payment: the percentage and all year amounts?</source>
      <translation> Effacer tous les versements supplémentaires : le pourcentage et tous les montants annuels?</translation>
    </message>
    <message>
      <source> The rows of this comparison will be erased. Leave it anyway?</source>
      <translation> Les lignes de cette comparaison seront effacées. Quitter quand même?</translation>
    </message>
    <message>
      <source>Calculations are automatic, change the values in any green input box and on leaving the box a new result is calculated and results shown in the white boxes.</source>
      <translation>Les calculs sont automatiques : changez les valeurs dans n'importe quelle case verte; en quittant la case, un nouveau résultat est calculé et s'affiche dans les cases blanches.</translation>
    </message>
    <message>
      <source>Conventional Mortgage panel. Calculations, inputs and results are for a normal mortgage.</source>
      <translation>Panneau Prêt hypothécaire ordinaire. Les calculs, les entrées et les résultats valent pour un prêt hypothécaire normal.</translation>
    </message>
    <message>
      <source>Accelerated Mortgage panel shows results for the selected 'Frequency and type of payment', based on the inputs in Conventional Mortgage. Days in year do not affect Monthly or Semimonthly calculation.</source>
      <translation>Le panneau Prêt hypothécaire accéléré montre les résultats pour la « Fréquence et type de versement » choisie, d'après les entrées du prêt hypothécaire ordinaire. Les jours dans l'année n'influent pas sur le calcul mensuel ou semi-mensuel.</translation>
    </message>
    <message>
      <source>Select to find panel. Solves for a missing factor, based on which option button is active. White result box shows beside it in Conventional Mortgage.</source>
      <translation>Panneau À trouver. Calcule la valeur manquante selon le bouton d'option actif. Le résultat s'affiche dans la case blanche à côté, dans Prêt hypothécaire ordinaire.</translation>
    </message>
    <message>
      <source>For example, to find out how much Principal you could afford for a given Monthly payment. Click 'Principal' option, then type in Monthly payment, on leaving the box either by pressing &lt;Enter&gt;, clicking another box or 'Calculate', results will show in white boxes.</source>
      <translation>Par exemple, pour savoir quel capital vous pourriez emprunter pour un versement mensuel donné, cliquez sur l'option « Capital », puis tapez le versement mensuel; en quittant la case avec &lt;Entrée&gt;, en cliquant sur une autre case ou sur « Calculer », les résultats s'affichent dans les cases blanches.</translation>
    </message>
    <message>
      <source>When using 'Years' option, amortization box will show results to two decimal places but will only allow whole year input.</source>
      <translation>Avec l'option « Années », la case d'amortissement montre le résultat avec deux décimales, mais n'accepte que des années entières.</translation>
    </message>
    <message>
      <source>Press F1 key for more detailed information.</source>
      <translation>Appuyez sur F1 pour des renseignements plus détaillés.</translation>
    </message>
    <message>
      <source> Mortgage Affordability</source>
      <translation> Capacité d'emprunt hypothécaire</translation>
    </message>
    <message>
      <source>Select to find:</source>
      <translation>À trouver :</translation>
    </message>
    <message>
      <source>Conventional Mortgage</source>
      <translation>Prêt hypothécaire ordinaire</translation>
    </message>
    <message>
      <source>Accelerated Mortgage</source>
      <translation>Prêt hypothécaire accéléré</translation>
    </message>
    <message>
      <source> Principal</source>
      <translation> Capital</translation>
    </message>
    <message>
      <source> Payment</source>
      <translation> Versement</translation>
    </message>
    <message>
      <source> Years</source>
      <translation> Années</translation>
    </message>
    <message>
      <source> Principal amount of the   mortgage.</source>
      <translation> Capital du prêt            hypothécaire.</translation>
    </message>
    <message>
      <source> Annual interest rate  in    percent.</source>
      <translation> Taux d'intérêt annuel  en    pourcentage.</translation>
    </message>
    <message>
      <source> Amortization period in     years.</source>
      <translation> Période d'amortissement   en années.</translation>
    </message>
    <message>
      <source> Monthly payment.           Principal and interest.</source>
      <translation> Versement mensuel.          Capital et intérêts.</translation>
    </message>
    <message>
      <source> Interest compounding     periods per year.</source>
      <translation> Périodes de capitalisation   par année.</translation>
    </message>
    <message>
      <source> Total interest paid.</source>
      <translation> Total des intérêts payés.</translation>
    </message>
    <message>
      <source> Frequency and type of          payment.</source>
      <translation> Fréquence et type de           versement.</translation>
    </message>
    <message>
      <source> Number of pay-     ments each year.</source>
      <translation> Nombre de verse-    ments par année.</translation>
    </message>
    <message>
      <source> Days in     year.</source>
      <translation> Jours dans  l'année.</translation>
    </message>
    <message>
      <source> Number of years to final         payment.</source>
      <translation> Nombre d'années jusqu'au    dernier versement.</translation>
    </message>
    <message>
      <source> Each payment. Principal        and  interest.</source>
      <translation> Chaque versement. Capital        et intérêts.</translation>
    </message>
    <message>
      <source> Interest saved versus            normal  mortgage.</source>
      <translation> Intérêts économisés par rapport au prêt normal.</translation>
    </message>
    <message>
      <source>Payment is too small, repayment would take over 40 years.</source>
      <translation>Le versement est trop petit, le remboursement prendrait plus de 40 ans.</translation>
    </message>
    <message>
      <source>Check for a missing entry in green input boxes and replace it.</source>
      <translation>Cherchez une entrée manquante dans les cases vertes et remplissez-la.</translation>
    </message>
    <message>
      <source>Click on green box to change, start typing in numbers, deletes previous ones, then 'Calculate'. Results shown in white cells.</source>
      <translation>Cliquez sur une case verte pour la modifier; les chiffres tapés remplacent les précédents, puis cliquez sur « Calculer ». Les résultats s'affichent dans les cellules blanches.</translation>
    </message>
    <message>
      <source>If Additional Payments are used in a calculation, * will appear before the year number in Retired at End of Year column.</source>
      <translation>Si des versements supplémentaires servent au calcul, un * précède l'année dans la colonne Remboursé à la fin de l'année.</translation>
    </message>
    <message>
      <source>Year and Amounts will be shown in the bottom spreadsheet with the row number in which they were used.</source>
      <translation>L'année et les montants s'affichent dans la grille du bas avec le numéro de la ligne où ils ont servi.</translation>
    </message>
    <message>
      <source>Sample entry:</source>
      <translation>Exemple d'entrée :</translation>
    </message>
    <message>
      <source>Click down arrow to select different Interest compound periods per year.</source>
      <translation>Cliquez sur la flèche vers le bas pour choisir une autre capitalisation des intérêts par année.</translation>
    </message>
    <message>
      <source>American = Monthly.  Canadian = Semi-Annual.</source>
      <translation>Américain = mensuelle.  Canadien = semestrielle.</translation>
    </message>
    <message>
      <source>Click down arrow to select different Frequency and types of each payment.</source>
      <translation>Cliquez sur la flèche vers le bas pour choisir une autre fréquence et un autre type de versement.</translation>
    </message>
    <message>
      <source>Accelerated payments. 26 instead of 12 annual payments at half the monthly principal + Interest. Mortgage retired earlier.</source>
      <translation>Versements accélérés : 26 versements par année au lieu de 12, à la moitié du versement mensuel capital + intérêts. Le prêt hypothécaire est remboursé plus tôt.</translation>
    </message>
    <message>
      <source>Click 'Additional Payments'. Select option. Enter percentage and/or amount beside year, select month option. 'OK' accepts all changes, 'Erase all' sets all cells to 0. Effects all calculations unless Amortization period changed or 'Erase all' used.</source>
      <translation>Cliquez sur « Versements supplémentaires ». Choisissez l'option. Entrez le pourcentage ou le montant à côté de l'année, choisissez le mois. « OK » accepte tous les changements, « Tout effacer » remet toutes les cellules à 0. S'applique à tous les calculs, sauf si la période d'amortissement change ou si « Tout effacer » est utilisé.</translation>
    </message>
    <message>
      <source>Click 'Days in Year' to change the way interest is computed. Does not apply to Monthly or Semimonthly payments.</source>
      <translation>Cliquez sur « Jours dans l'année » pour changer le calcul des intérêts. Ne s'applique pas aux versements mensuels ou semi-mensuels.</translation>
    </message>
    <message>
      <source> Mortgage Comparison Tables</source>
      <translation> Tableaux de comparaison de prêts hypothécaires</translation>
    </message>
    <message>
      <source> Principal amount of          mortgage.</source>
      <translation> Capital du prêt              hypothécaire.</translation>
    </message>
    <message>
      <source> Annual interest rate(%)</source>
      <translation> Taux d'intérêt annuel (%)</translation>
    </message>
    <message>
      <source> Amortization period in       years.</source>
      <translation> Période d'amortissement     en années.</translation>
    </message>
    <message>
      <source> Interest compound           periods per year.</source>
      <translation> Périodes de capitalisation  par année.</translation>
    </message>
    <message>
      <source> Frequency and type of     each payment.</source>
      <translation> Fréquence et type de      chaque versement.</translation>
    </message>
    <message>
      <source>*  Additional  Payments  Applied</source>
      <translation>*  Versements  supplémentaires  appliqués</translation>
    </message>
    <message>
      <source> Interest  rate     factor.</source>
      <translation> Facteur  de taux     d'intérêt.</translation>
    </message>
    <message>
      <source> Days       in year.</source>
      <translation> Jours      dans l'année.</translation>
    </message>
    <message>
      <source>Rows opened from a file show only their texts. Calculate them again to export their figures, or export the printout as PDF.</source>
      <translation>Les lignes ouvertes d'un fichier ne montrent que leurs textes. Calculez-les de nouveau pour exporter leurs chiffres, ou exportez l'impression en PDF.</translation>
    </message>
    <message>
      <source> #  of Row</source>
      <translation> No  de ligne</translation>
    </message>
    <message>
      <source>  Days       in      Year</source>
      <translation>  Jours      dans    l'année</translation>
    </message>
    <message>
      <source> Interest Compound Periods</source>
      <translation> Capitalisation des intérêts</translation>
    </message>
    <message>
      <source>Frequency, type of Payment</source>
      <translation>Fréquence, type de versement</translation>
    </message>
    <message>
      <source>Amort- ization Period</source>
      <translation>Période d'amortis- sement</translation>
    </message>
    <message>
      <source>Retired at end of Year</source>
      <translation>Remboursé à la fin de l'année</translation>
    </message>
    <message>
      <source>Number Annual Payments</source>
      <translation>Nombre de versements annuels</translation>
    </message>
    <message>
      <source>     Amount               of         Mortgage</source>
      <translation>     Montant              du         prêt</translation>
    </message>
    <message>
      <source>Annual Interest Rate</source>
      <translation>Taux d'intérêt annuel</translation>
    </message>
    <message>
      <source> Principal  + Interest  Payment</source>
      <translation> Versement  capital +  intérêts</translation>
    </message>
    <message>
      <source>P + I inclu- des %</source>
      <translation>C + I inclut %</translation>
    </message>
    <message>
      <source>       Total              Interest   Payments</source>
      <translation>       Total              des        intérêts</translation>
    </message>
    <message>
      <source> Yr. Mth</source>
      <translation> Année Mois</translation>
    </message>
    <message>
      <source>Cost of borrowing, %1-year term</source>
      <translation>Coût d'emprunt, terme de %1 ans</translation>
    </message>
    <message>
      <source>%1 at %2</source>
      <translation>%1 à %2</translation>
    </message>
    <message>
      <source>%1 a payment</source>
      <translation>%1 par versement</translation>
    </message>
    <message>
      <source>Purchase p&amp;rice</source>
      <translation>P&amp;rix d'achat</translation>
    </message>
    <message>
      <source>&amp;Down payment</source>
      <translation>Mise de fon&amp;ds</translation>
    </message>
    <message>
      <source>Poi&amp;nts %</source>
      <translation>Poi&amp;nts %</translation>
    </message>
    <message>
      <source>&amp;Lender and broker fees</source>
      <translation>Frais du &amp;prêteur et du courtier</translation>
    </message>
    <message>
      <source>Other closin&amp;g costs</source>
      <translation>&amp;Autres frais de clôture</translation>
    </message>
    <message>
      <source>Insurance ra&amp;te %</source>
      <translation>&amp;Taux d'assurance %</translation>
    </message>
    <message>
      <source>Sales ta&amp;x on the premium %</source>
      <translation>Ta&amp;xe de vente sur la prime %</translation>
    </message>
    <message>
      <source>Propert&amp;y tax a year</source>
      <translation>Taxes &amp;foncières par année</translation>
    </message>
    <message>
      <source>Home ins&amp;urance a year</source>
      <translation>Ass&amp;urance habitation par année</translation>
    </message>
    <message>
      <source>Condo &amp;fees a month</source>
      <translation>Frais de &amp;copropriété par mois</translation>
    </message>
    <message>
      <source>&amp;Heating a month</source>
      <translation>C&amp;hauffage par mois</translation>
    </message>
    <message>
      <source>Ter&amp;m of the cost (years)</source>
      <translation>Ter&amp;me des frais (années)</translation>
    </message>
    <message>
      <source>%1-year term</source>
      <translation>terme de %1 ans</translation>
    </message>
    <message>
      <source>payment %1 (%2)</source>
      <translation>versement %1 (%2)</translation>
    </message>
    <message>
      <source>month %1</source>
      <translation>mois %1</translation>
    </message>
    <message>
      <source>The minimum is %1 for a price of %2.</source>
      <translation>Le minimum est de %1 pour un prix de %2.</translation>
    </message>
    <message>
      <source>The principal becomes %1: the price less the down payment.</source>
      <translation>Le capital devient %1 : le prix moins la mise de fonds.</translation>
    </message>
    <message>
      <source>The principal becomes %1: the price less the down payment, plus the premium and the fees added to the loan.</source>
      <translation>Le capital devient %1 : le prix moins la mise de fonds, plus la prime et les frais ajoutés au prêt.</translation>
    </message>
    <message>
      <source>&amp;To Printer</source>
      <translation>&amp;Vers l'imprimante</translation>
    </message>
    <message>
      <source>&amp;Printer</source>
      <translation>&amp;Imprimante</translation>
    </message>
    <message>
      <source>Value %1</source>
      <translation>Valeur %1</translation>
    </message>
    <message>
      <source>Year %1</source>
      <translation>Année %1</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1 : %2</translation>
    </message>
    <message>
      <source>Year</source>
      <translation>Année</translation>
    </message>
    <message>
      <source>Month</source>
      <translation>Mois</translation>
    </message>
    <message>
      <source>Amount</source>
      <translation>Montant</translation>
    </message>
    <message>
      <source>Type the gross yearly income (and a second borrower's), the debts, the costs of the home and the down payment in the green boxes. Leaving a box, or Calculate, shows in the white boxes the largest mortgage and price the income qualifies for.</source>
      <translation>Tapez le revenu brut annuel (et celui d'un second emprunteur), les dettes, les frais de la propriété et la mise de fonds dans les cases vertes. En quittant une case, ou avec Calculer, les cases blanches montrent le prêt hypothécaire et le prix les plus élevés auxquels le revenu donne droit.</translation>
    </message>
    <message>
      <source>Lenders divide the housing costs (the payment, property tax, heating and half the condominium fees in Canada; the payment, tax, insurance and association fees in the United States) by the gross monthly income: the housing ratio. With the other debts added it is the total ratio. Card and credit-line balances count at 3% of the balance a month.</source>
      <translation>Les prêteurs divisent les frais de logement (le versement, les taxes foncières, le chauffage et la moitié des frais de copropriété au Canada; le versement, les taxes, l'assurance et les frais d'association aux États-Unis) par le revenu brut mensuel : c'est le ratio ABD. Avec les autres dettes, c'est le ratio ATD. Les soldes de cartes et de marges de crédit comptent pour 3 % du solde par mois.</translation>
    </message>
    <message>
      <source>Under the Canadian rules the payment is tested at the qualifying rate, the greater of the contract rate plus 2 points and 5.25%, and a down payment under 20% adds the default insurance premium to the loan. Every limit can be changed.</source>
      <translation>Selon les règles canadiennes, le versement est évalué au taux admissible, soit le plus élevé du taux du contrat plus 2 points et de 5,25 %, et une mise de fonds de moins de 20 % ajoute la prime d'assurance prêt hypothécaire au prêt. Chaque limite peut être modifiée.</translation>
    </message>
    <message>
      <source>The figures are estimates: the lender decides.</source>
      <translation>Les chiffres sont des estimations : le prêteur décide.</translation>
    </message>
    <message>
      <source> Mortgage Qualifying</source>
      <translation> Admissibilité hypothécaire</translation>
    </message>
    <message>
      <source>Gross yearly &amp;income</source>
      <translation>Revenu brut ann&amp;uel</translation>
    </message>
    <message>
      <source>Second borrower's income</source>
      <translation>Revenu du second emprunteur</translation>
    </message>
    <message>
      <source>Other &amp;debt payments a month</source>
      <translation>Autres paiements de &amp;dettes par mois</translation>
    </message>
    <message>
      <source>Card and credit-line balances</source>
      <translation>Soldes de cartes et de marges de crédit</translation>
    </message>
    <message>
      <source>Property tax a year</source>
      <translation>Taxes foncières par année</translation>
    </message>
    <message>
      <source>Home insurance a year</source>
      <translation>Assurance habitation par année</translation>
    </message>
    <message>
      <source>Heating a month</source>
      <translation>Chauffage par mois</translation>
    </message>
    <message>
      <source>Condominium fees a month</source>
      <translation>Frais de copropriété par mois</translation>
    </message>
    <message>
      <source>Do&amp;wn payment</source>
      <translation>&amp;Mise de fonds</translation>
    </message>
    <message>
      <source>Contract &amp;rate</source>
      <translation>Taux du cont&amp;rat</translation>
    </message>
    <message>
      <source>Amortization in &amp;years</source>
      <translation>Amortissement en &amp;années</translation>
    </message>
    <message>
      <source>Housing ratio limit</source>
      <translation>Limite du ratio ABD</translation>
    </message>
    <message>
      <source>Total ratio limit</source>
      <translation>Limite du ratio ATD</translation>
    </message>
    <message>
      <source>Points added to the rate</source>
      <translation>Points ajoutés au taux</translation>
    </message>
    <message>
      <source>Lowest qualifying rate</source>
      <translation>Taux admissible minimal</translation>
    </message>
    <message>
      <source>Mortgage insurance a year</source>
      <translation>Assurance hypothécaire par année</translation>
    </message>
    <message>
      <source>Largest mortgage, premium included</source>
      <translation>Prêt maximal, prime comprise</translation>
    </message>
    <message>
      <source>Largest purchase price</source>
      <translation>Prix d'achat maximal</translation>
    </message>
    <message>
      <source>Insurance premium added</source>
      <translation>Prime d'assurance ajoutée</translation>
    </message>
    <message>
      <source>Mortgage insurance a month</source>
      <translation>Assurance prêt par mois</translation>
    </message>
    <message>
      <source>The ratio that limits it</source>
      <translation>Le ratio qui le limite</translation>
    </message>
    <message>
      <source>Housing (gross debt service)</source>
      <translation>Logement (ABD)</translation>
    </message>
    <message>
      <source>Total debt service</source>
      <translation>Dette totale (ATD)</translation>
    </message>
    <message>
      <source>Each payment at the contract rate</source>
      <translation>Chaque versement au taux du contrat</translation>
    </message>
    <message>
      <source>Qualifying rate</source>
      <translation>Taux admissible</translation>
    </message>
    <message>
      <source>Each payment at the qualifying rate</source>
      <translation>Chaque versement au taux admissible</translation>
    </message>
    <message>
      <source>Least down payment for the price</source>
      <translation>Mise de fonds minimale</translation>
    </message>
    <message>
      <source>Ru&amp;les</source>
      <translation>Rè&amp;gles</translation>
    </message>
    <message>
      <source>Co&amp;mpounding</source>
      <translation>Capitalisatio&amp;n</translation>
    </message>
    <message>
      <source>Payment &amp;frequency</source>
      <translation>&amp;Fréquence des versements</translation>
    </message>
    <message>
      <source>Test at the &amp;qualifying rate</source>
      <translation>Évaluer au taux admissi&amp;ble</translation>
    </message>
    <message>
      <source>Estimates only: the lender decides.</source>
      <translation>Estimations seulement : le prêteur décide.</translation>
    </message>
    <message>
      <source>New rate %</source>
      <translation>Nouveau taux %</translation>
    </message>
    <message>
      <source>Payment</source>
      <translation>Versement</translation>
    </message>
    <message>
      <source>Interest Payment</source>
      <translation>Intérêts versés</translation>
    </message>
    <message>
      <source>Principal Payment</source>
      <translation>Capital versé</translation>
    </message>
    <message>
      <source>Remaining Balance</source>
      <translation>Solde restant</translation>
    </message>
    <message>
      <source>Cumulative Interest</source>
      <translation>Intérêts cumulés</translation>
    </message>
    <message>
      <source>Cumulative Principal</source>
      <translation>Capital cumulé</translation>
    </message>
    <message>
      <source> Payment  Year</source>
      <translation> Versement  Année</translation>
    </message>
    <message>
      <source> Payment  Date</source>
      <translation> Versement  Date</translation>
    </message>
    <message>
      <source>  Payment   No.  Year</source>
      <translation>  Versement   No  Année</translation>
    </message>
    <message>
      <source>Rate %</source>
      <translation>Taux %</translation>
    </message>
    <message>
      <source> P+I includes  %1%</source>
      <translation> C+I comprend  %1%</translation>
    </message>
    <message>
      <source>%1 yr %2 mo</source>
      <translation>%1 an %2 mois</translation>
    </message>
    <message>
      <source>Year %1 goes over the yearly limit of %2 by %3.</source>
      <translation>L'année %1 dépasse la limite annuelle de %2 de %3.</translation>
    </message>
    <message>
      <source>From year %1 each payment goes over the increase limit of %2 by %3.</source>
      <translation>À partir de l'année %1, chaque versement dépasse la limite d'augmentation de %2 de %3.</translation>
    </message>
    <message>
      <source>Additional  Payments     Applied</source>
      <translation>Versements  supplémentaires  appliqués</translation>
    </message>
    <message>
      <source>Year %1 Month%2</source>
      <translation>Année %1 Mois %2</translation>
    </message>
    <message>
      <source> Year %1    Month%2%3</source>
      <translation> Année %1    Mois %2%3</translation>
    </message>
    <message>
      <source>  one-time</source>
      <translation>  unique</translation>
    </message>
    <message>
      <source>  new payment %1</source>
      <translation>  nouveau versement %1</translation>
    </message>
    <message>
      <source>Every payment</source>
      <translation>Chaque versement</translation>
    </message>
    <message>
      <source>In all</source>
      <translation>Au total</translation>
    </message>
    <message>
      <source>  from %1 to %2</source>
      <translation>  de %1 à %2</translation>
    </message>
    <message>
      <source>the end</source>
      <translation>la fin</translation>
    </message>
    <message>
      <source> Interest saved by prepayments %1</source>
      <translation> Intérêts économisés par les remboursements anticipés %1</translation>
    </message>
    <message>
      <source> Paid off sooner by %1</source>
      <translation> Remboursé plus tôt de %1</translation>
    </message>
    <message>
      <source>Rate </source>
      <translation>Changements </translation>
    </message>
    <message>
      <source>Changes  </source>
      <translation>de taux  </translation>
    </message>
    <message>
      <source>New Payment</source>
      <translation>Nouveau versement</translation>
    </message>
    <message>
      <source>Additional </source>
      <translation>Versements </translation>
    </message>
    <message>
      <source>Payments  </source>
      <translation>supplémentaires  </translation>
    </message>
    <message>
      <source>Applied  </source>
      <translation>appliqués  </translation>
    </message>
    <message>
      <source>Year  %1</source>
      <translation>Année %1</translation>
    </message>
    <message>
      <source> Month %1 </source>
      <translation> Mois %1 </translation>
    </message>
    <message>
      <source>not reached</source>
      <translation>non atteint</translation>
    </message>
    <message>
      <source>one-time</source>
      <translation>unique</translation>
    </message>
    <message>
      <source>from %1</source>
      <translation>de %1</translation>
    </message>
    <message>
      <source>to the end</source>
      <translation>jusqu'à la fin</translation>
    </message>
    <message>
      <source>to %1</source>
      <translation>à %1</translation>
    </message>
    <message>
      <source>%1 in all</source>
      <translation>%1 au total</translation>
    </message>
    <message>
      <source>Total:</source>
      <translation>Total :</translation>
    </message>
    <message>
      <source>%1 Yr. Term</source>
      <translation>Durée de %1 ans</translation>
    </message>
    <message>
      <source> P+I includes      0.000%</source>
      <translation> C+I comprend      0,000%</translation>
    </message>
    <message>
      <source> Mortgage Tables</source>
      <translation> Tableaux hypothécaires</translation>
    </message>
    <message>
      <source> Principal amount of           mortgage.</source>
      <translation> Capital du prêt               hypothécaire.</translation>
    </message>
    <message>
      <source> Annual interest rate %</source>
      <translation> Taux d'intérêt annuel %</translation>
    </message>
    <message>
      <source> Total paid over    life of mortgage.</source>
      <translation> Total payé sur     la durée du prêt.</translation>
    </message>
    <message>
      <source> No. of years to  final payment.</source>
      <translation> Nombre d'années   au dernier versement.</translation>
    </message>
    <message>
      <source> Loan Tables</source>
      <translation> Tableaux de prêt</translation>
    </message>
    <message>
      <source> Principal amount of the     loan.</source>
      <translation> Capital du prêt.</translation>
    </message>
    <message>
      <source> Annual interest rate %.</source>
      <translation> Taux d'intérêt annuel %.</translation>
    </message>
    <message>
      <source> Payback period of the      loan in months.</source>
      <translation> Période de remboursement   du prêt en mois.</translation>
    </message>
    <message>
      <source> Total paid over    life of the loan.</source>
      <translation> Total payé sur     la durée du prêt.</translation>
    </message>
    <message>
      <source> No. months to   final payment.</source>
      <translation> Nombre de mois    au dernier versement.</translation>
    </message>
    <message>
      <source>Click 'Term' to display in the spreadsheet and print, only data for the term selected. All other results are not affected as they are based on full amortization.</source>
      <translation>Cliquez sur « Durée » pour n'afficher et n'imprimer que les données de la durée choisie. Les autres résultats ne changent pas, car ils portent sur tout l'amortissement.</translation>
    </message>
    <message>
      <source>Show payments. Click option to show All payments or just the Annual totals.</source>
      <translation>Afficher les versements. Cliquez sur une option pour afficher tous les versements ou seulement les totaux annuels.</translation>
    </message>
    <message>
      <source>Click on green box to change, start typing in numbers, deletes previous ones, then 'Calculate'. Results shown in white cells.   Press F1 key for more detailed information.</source>
      <translation>Cliquez sur une case verte pour la modifier; les chiffres tapés remplacent les précédents, puis cliquez sur « Calculer ». Les résultats s'affichent dans les cellules blanches.   Appuyez sur F1 pour des renseignements plus détaillés.</translation>
    </message>
    <message>
      <source>Click down arrow to select different compound interest periods.</source>
      <translation>Cliquez sur la flèche vers le bas pour choisir une autre capitalisation des intérêts.</translation>
    </message>
    <message>
      <source>Click down arrow to select different payment frequencies.</source>
      <translation>Cliquez sur la flèche vers le bas pour choisir une autre fréquence des versements.</translation>
    </message>
    <message>
      <source>Click 'Days in Year' to change the way interest is computed when used with all 'Frequency and type of each payment' except Monthly and Semimonthly payments.</source>
      <translation>Cliquez sur « Jours dans l'année » pour changer le calcul des intérêts avec toutes les « Fréquence et type de versement », sauf les versements mensuels et semi-mensuels.</translation>
    </message>
    <message>
      <source>Click 'View Payment Date' to show dates, toggles to 'View Payment No.' for numbers.</source>
      <translation>Cliquez sur « Voir dates des versements » pour afficher les dates; le bouton devient « Voir nos des versements » pour les numéros.</translation>
    </message>
    <message>
      <source>                          How to use for Car, Consumer or Personal loans.</source>
      <translation>                          Utilisation pour les prêts auto, à la consommation ou personnels.</translation>
    </message>
    <message>
      <source>Monthly.   Almost all Loans are based on monthly compounding.</source>
      <translation>Mensuelle.   Presque tous les prêts ont une capitalisation mensuelle.</translation>
    </message>
    <message>
      <source>Monthly.   All Loans are based on one payment each month, 12 payments each</source>
      <translation>Mensuel.   Tous les prêts prévoient un versement par mois, 12 versements par</translation>
    </message>
    <message>
      <source>               year during the payback period. Same as a Normal mortgage.</source>
      <translation>               année pendant la période de remboursement. Comme un prêt hypothécaire normal.</translation>
    </message>
    <message>
      <source>Normally financial institutions do not allow Additional Payments. Use if allowed.</source>
      <translation>Normalement, les institutions financières n'acceptent pas de versements supplémentaires. À utiliser s'ils sont permis.</translation>
    </message>
    <message>
      <source>When using accelerated payments, change the Days in Year. Use if allowed.</source>
      <translation>Avec des versements accélérés, changez les jours dans l'année. À utiliser si c'est permis.</translation>
    </message>
    <message>
      <source>Click 'View Payment Dates' to show dates, toggles to 'View Payment No.' for numbers.</source>
      <translation>Cliquez sur « Voir dates des versements » pour afficher les dates; le bouton devient « Voir nos des versements » pour les numéros.</translation>
    </message>
    <message>
      <source> Principal + Interest   payment.</source>
      <translation> Versement capital   + intérêts.</translation>
    </message>
    <message>
      <source> Interest rate        factor.</source>
      <translation> Facteur de taux.</translation>
    </message>
    <message>
      <source> Days          in year.</source>
      <translation> Jours         dans l'année.</translation>
    </message>
    <message>
      <source> No. of payments   each year.</source>
      <translation> Versements par an.</translation>
    </message>
    <message>
      <source> Total interest       savings.</source>
      <translation> Total des intérêts   économisés.</translation>
    </message>
    <message>
      <source> Interest saved by   prepayments.</source>
      <translation> Intérêts économisés par anticipation.</translation>
    </message>
    <message>
      <source> Paid off sooner by.</source>
      <translation> Payé plus tôt de.</translation>
    </message>
    <message>
      <source> Payments worked out</source>
      <translation> Calcul des versements</translation>
    </message>
    <message>
      <source>All Years</source>
      <translation>Toutes les années</translation>
    </message>
    <message>
      <source>1 Year</source>
      <translation>1 an</translation>
    </message>
    <message>
      <source>2 Years</source>
      <translation>2 ans</translation>
    </message>
    <message>
      <source>3 Years</source>
      <translation>3 ans</translation>
    </message>
    <message>
      <source>4 Years</source>
      <translation>4 ans</translation>
    </message>
    <message>
      <source>5 Years</source>
      <translation>5 ans</translation>
    </message>
    <message>
      <source>10 Years</source>
      <translation>10 ans</translation>
    </message>
    <message>
      <source> Most Financial Institutions use 365. Other: type your own to calculate to 2 decimals between 363 - 365.25</source>
      <translation> La plupart des institutions financières utilisent 365. Autre : tapez votre valeur, à 2 décimales, entre 363 et 365,25</translation>
    </message>
    <message>
      <source>No printer is set up, so the printout was saved as a PDF file:
%1</source>
      <translation>Aucune imprimante n'est configurée; l'impression a donc été enregistrée dans un fichier PDF :
%1</translation>
    </message>
    <message>
      <source>The printout could not be completed on:
%1

Check the printer or the folder and print again. Nothing on the screen has changed.</source>
      <translation>L'impression n'a pu être terminée sur :
%1

Vérifiez l'imprimante ou le dossier, puis imprimez de nouveau. Rien n'a changé à l'écran.</translation>
    </message>
    <message>
      <source>%1, the rules of %2</source>
      <translation>%1, règles : %2</translation>
    </message>
    <message>
      <source>Yes</source>
      <translation>Oui</translation>
    </message>
    <message>
      <source>No</source>
      <translation>Non</translation>
    </message>
    <message>
      <source>Mortgage Qualifying</source>
      <translation>Admissibilité hypothécaire</translation>
    </message>
    <message>
      <source>Row</source>
      <translation>Ligne</translation>
    </message>
    <message>
      <source>Increase P + I payment by a percentage </source>
      <translation>Augmenter le versement C + I d'un pourcentage </translation>
    </message>
    <message>
      <source>Use both percentage and year/s payment</source>
      <translation>Utiliser le pourcentage et le versement par année</translation>
    </message>
    <message>
      <source>the pages could not be drawn</source>
      <translation>les pages n'ont pas pu être dessinées</translation>
    </message>
    <message>
      <source>nothing was written</source>
      <translation>rien n'a été écrit</translation>
    </message>
    <message>
      <source>File: %1</source>
      <translation>Fichier : %1</translation>
    </message>
    <message>
      <source>Mortgage Database (*.qmd)</source>
      <translation>Base de données hypothécaire (*.qmd)</translation>
    </message>
    <message>
      <source>Loan Database (*.qld)</source>
      <translation>Base de données de prêts (*.qld)</translation>
    </message>
    <message>
      <source>Compare Database (*.qcd)</source>
      <translation>Base de données de comparaison (*.qcd)</translation>
    </message>
    <message>
      <source>Qualify Database (*.qqd)</source>
      <translation>Base de données d'admissibilité (*.qqd)</translation>
    </message>
    <message>
      <source>Spreadsheet workbook (*.xlsx)</source>
      <translation>Classeur de tableur (*.xlsx)</translation>
    </message>
    <message>
      <source>Comma-separated values (*.csv)</source>
      <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
      <source>PNG image (*.png)</source>
      <translation>Image PNG (*.png)</translation>
    </message>
    <message>
      <source>SVG drawing (*.svg)</source>
      <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
      <source>PDF document (*.pdf)</source>
      <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
      <source>Quick &amp;Help</source>
      <translation>&amp;Aide rapide</translation>
    </message>
    <message>
      <source>Close &amp;Help</source>
      <translation>Fermer l'&amp;aide</translation>
    </message>
    <message>
      <source>Red while additional payments are in force</source>
      <translation>Rouge tant que des versements supplémentaires sont en vigueur</translation>
    </message>
    <message>
      <source>&amp;View payment date</source>
      <translation>&amp;Voir la date du versement</translation>
    </message>
    <message>
      <source>&amp;View payment No.</source>
      <translation>&amp;Voir le nº du versement</translation>
    </message>
    <message>
      <source>No data to print. Calculate.</source>
      <translation>Aucune donnée à imprimer. Calculez.</translation>
    </message>
    <message>
      <source>No data to graph. Calculate.</source>
      <translation>Aucune donnée pour le graphique. Calculez.</translation>
    </message>
    <message>
      <source>Wrong or missing entry, try again.</source>
      <translation>Entrée erronée ou manquante, réessayez.</translation>
    </message>
    <message>
      <source>Wrong entry, try again.</source>
      <translation>Entrée erronée, réessayez.</translation>
    </message>
    <message>
      <source>Wrong entry, 40 Years limit.</source>
      <translation>Entrée erronée, limite de 40 ans.</translation>
    </message>
    <message>
      <source>No Data to work with. Calculate.</source>
      <translation>Aucune donnée à traiter. Calculez.</translation>
    </message>
    <message>
      <source>All three boxes must contain figures</source>
      <translation>Les trois cases doivent contenir des chiffres</translation>
    </message>
    <message>
      <source>Wrong format, if in previous format will open it.</source>
      <translation>Format erroné; un fichier de l'ancien format sera ouvert.</translation>
    </message>
    <message>
      <source>Not a valid date, try again.</source>
      <translation>Date non valide, réessayez.</translation>
    </message>
    <message>
      <source>File not found or wrong format. Check Filename and/or Directory.</source>
      <translation>Fichier introuvable ou format erroné. Vérifiez le nom du fichier ou le dossier.</translation>
    </message>
    <message>
      <source>Bad Filename. Must be in the form MYFILE.QMD</source>
      <translation>Nom de fichier erroné. Il doit être de la forme MONFICHIER.QMD</translation>
    </message>
    <message>
      <source>No Records to save.</source>
      <translation>Aucun enregistrement à sauvegarder.</translation>
    </message>
    <message>
      <source>Wrong entry, 480 Month limit.</source>
      <translation>Entrée erronée, limite de 480 mois.</translation>
    </message>
    <message>
      <source>Must be between 363 and 365.25 days</source>
      <translation>Doit être entre 363 et 365,25 jours</translation>
    </message>
    <message>
      <source>8 Row limit.</source>
      <translation>Limite de 8 lignes.</translation>
    </message>
    <message>
      <source>Check, missing entry.</source>
      <translation>Vérifiez, entrée manquante.</translation>
    </message>
    <message>
      <source>Bad filename, must be in the form MYFILE.QLD</source>
      <translation>Nom de fichier erroné, il doit être de la forme MONFICHIER.QLD</translation>
    </message>
    <message>
      <source>Cannot calculate.</source>
      <translation>Calcul impossible.</translation>
    </message>
    <message>
      <source>Bad filename, must be in the form MYFILE.QCD</source>
      <translation>Nom de fichier erroné, il doit être de la forme MONFICHIER.QCD</translation>
    </message>
    <message>
      <source>Correct date format is %1</source>
      <translation>Le format de date correct est %1</translation>
    </message>
    <message>
      <source>Term now greater than the number of years to final payment. Term will be reset to All Years.</source>
      <translation>La durée dépasse maintenant le nombre d'années jusqu'au dernier versement. Elle sera ramenée à Toutes les années.</translation>
    </message>
    <message>
      <source>100% limit.</source>
      <translation>Limite de 100 %.</translation>
    </message>
    <message>
      <source>Cannot save the personal settings. They are kept until the program ends.</source>
      <translation>Impossible d'enregistrer les paramètres personnels. Ils sont conservés jusqu'à la fermeture du programme.</translation>
    </message>
    <message>
      <source>Cannot save the picture. Check the folder and the free space.</source>
      <translation>Impossible d'enregistrer l'image. Vérifiez le dossier et l'espace libre.</translation>
    </message>
    <message>
      <source>The period changed: the additional payments were erased. Enter them again for the new period.</source>
      <translation>La période a changé : les versements supplémentaires ont été effacés. Entrez-les de nouveau pour la nouvelle période.</translation>
    </message>
    <message>
      <source>Principal amount: from 0.01 to 9,999,999.99.</source>
      <translation>Capital : de 0,01 à 9 999 999,99.</translation>
    </message>
    <message>
      <source>Annual interest rate: from 0 to 100%.</source>
      <translation>Taux d'intérêt annuel : de 0 à 100 %.</translation>
    </message>
    <message>
      <source>Amortization period: from 1 to 40 years.</source>
      <translation>Période d'amortissement : de 1 à 40 ans.</translation>
    </message>
    <message>
      <source>Payback period: from 1 to 480 months.</source>
      <translation>Période de remboursement : de 1 à 480 mois.</translation>
    </message>
    <message>
      <source>A rate change falls after the final payment: it does not apply.</source>
      <translation>Un changement de taux tombe après le dernier versement : il ne s'applique pas.</translation>
    </message>
    <message>
      <source>After a rate change the payment does not cover the interest. Choose Recalculate or a lower rate.</source>
      <translation>Après un changement de taux, le versement ne couvre pas les intérêts. Choisissez Recalculer ou un taux plus bas.</translation>
    </message>
    <message>
      <source>With these rate changes the loan is not repaid within 40 years.</source>
      <translation>Avec ces changements de taux, le prêt n'est pas remboursé en 40 ans.</translation>
    </message>
    <message>
      <source>Rate change: year 1 to 40 and month 1 to 12 after the first payment, rate 0 to 100%, at most 20.</source>
      <translation>Changement de taux : année 1 à 40 et mois 1 à 12 après le premier versement, taux de 0 à 100 %, 20 au plus.</translation>
    </message>
    <message>
      <source>The prepayments of a year go over the lender's yearly limit. The schedule shows them as entered.</source>
      <translation>Les remboursements anticipés d'une année dépassent la limite annuelle du prêteur. Le tableau les montre tels qu'ils ont été entrés.</translation>
    </message>
    <message>
      <source>The payment increase goes over the lender's limit. The schedule shows it as entered.</source>
      <translation>L'augmentation du versement dépasse la limite du prêteur. Le tableau la montre telle qu'elle a été entrée.</translation>
    </message>
    <message>
      <source>Prepayment: amounts 0 to 9,999,999.99, year 1 to 40, month 1 to 12, the end not before the start, at most 100 one-time amounts, limits 0 to 100%.</source>
      <translation>Remboursement anticipé : montants de 0 à 9 999 999,99, année 1 à 40, mois 1 à 12, la fin pas avant le début, au plus 100 montants uniques, limites de 0 à 100 %.</translation>
    </message>
    <message>
      <source>Costs: amounts from 0 to 9,999,999.99, percentages from 0 to 25%, the term from 1 to 10 years.</source>
      <translation>Frais : montants de 0 à 9 999 999,99, pourcentages de 0 à 25 %, terme de 1 à 10 ans.</translation>
    </message>
    <message>
      <source>Down payment: from 0 to less than the purchase price.</source>
      <translation>Mise de fonds : de 0 à moins que le prix d'achat.</translation>
    </message>
    <message>
      <source>The down payment is below the minimum for an insured mortgage: 5% of the first $500,000 of the price and 10% of the rest.</source>
      <translation>La mise de fonds est inférieure au minimum pour un prêt hypothécaire assuré : 5 % des premiers 500 000 $ du prix et 10 % du reste.</translation>
    </message>
    <message>
      <source>A home of $1,500,000 or more cannot have an insured mortgage: put down 20% or more.</source>
      <translation>Une propriété de 1 500 000 $ ou plus ne peut avoir de prêt hypothécaire assuré : versez une mise de fonds de 20 % ou plus.</translation>
    </message>
    <message>
      <source>Default insurance needs the purchase price and the down payment.</source>
      <translation>L'assurance prêt hypothécaire exige le prix d'achat et la mise de fonds.</translation>
    </message>
    <message>
      <source>An insured mortgage in Canada is amortized over 30 years at most.</source>
      <translation>Au Canada, un prêt hypothécaire assuré est amorti sur 30 ans au plus.</translation>
    </message>
    <message>
      <source>Default insurance is for mortgages, not personal loans.</source>
      <translation>L'assurance prêt hypothécaire s'applique aux prêts hypothécaires, pas aux prêts personnels.</translation>
    </message>
    <message>
      <source>The prepaid finance charges take the whole loan: there is no annual percentage rate.</source>
      <translation>Les frais de financement payés d'avance absorbent tout le prêt : il n'y a pas de taux annuel du coût d'emprunt.</translation>
    </message>
    <message>
      <source>Cannot export the file. Check the folder and the free space.</source>
      <translation>Impossible d'exporter le fichier. Vérifiez le dossier et l'espace libre.</translation>
    </message>
    <message>
      <source>Qualifying: amounts from 0 to 9,999,999.99, the rate and the limits from 0 to 100%, 1 to 40 years.</source>
      <translation>Admissibilité : montants de 0 à 9 999 999,99, taux et limites de 0 à 100 %, de 1 à 40 ans.</translation>
    </message>
    <message>
      <source>The income qualifies for no mortgage: the housing costs and debts alone reach the limit.</source>
      <translation>Le revenu ne permet aucun prêt hypothécaire : les frais de logement et les dettes atteignent déjà la limite.</translation>
    </message>
    <message>
      <source>The down payment is below the minimum for the price the income would buy: the figures are for the largest price it allows.</source>
      <translation>La mise de fonds est inférieure au minimum pour le prix que le revenu permettrait : les chiffres valent pour le prix le plus élevé qu'elle permet.</translation>
    </message>
    <message>
      <source>Bad filename, must be in the form MYFILE.QQD</source>
      <translation>Nom de fichier erroné, il doit être de la forme MONFICHIER.QQD</translation>
    </message>
    <message>
      <source>Points are</source>
      <translation>Les points sont</translation>
    </message>
    <message>
      <source>Fees are</source>
      <translation>Les frais sont</translation>
    </message>
    <message>
      <source>Closing costs are</source>
      <translation>Les frais de clôture sont</translation>
    </message>
    <message>
      <source>Default &amp;insurance</source>
      <translation>Assurance prêt hypothéca&amp;ire</translation>
    </message>
    <message>
      <source>Annual percentage rate (APR)</source>
      <translation>Taux annuel du coût d'emprunt (TAC)</translation>
    </message>
    <message>
      <source>Effective annual rate</source>
      <translation>Taux annuel effectif</translation>
    </message>
    <message>
      <source>Amount financed</source>
      <translation>Montant financé</translation>
    </message>
    <message>
      <source>Cash at closing</source>
      <translation>Comptant à la clôture</translation>
    </message>
    <message>
      <source>Cost of borrowing, all years</source>
      <translation>Coût d'emprunt, toutes les années</translation>
    </message>
    <message>
      <source>Insurance premium</source>
      <translation>Prime d'assurance</translation>
    </message>
    <message>
      <source>Principal and interest a month</source>
      <translation>Capital et intérêts par mois</translation>
    </message>
    <message>
      <source>Property tax a month</source>
      <translation>Taxes foncières par mois</translation>
    </message>
    <message>
      <source>Home insurance a month</source>
      <translation>Assurance habitation par mois</translation>
    </message>
    <message>
      <source>Condo fees a month</source>
      <translation>Frais de copropriété par mois</translation>
    </message>
    <message>
      <source>Cost of the home a month</source>
      <translation>Coût de la propriété par mois</translation>
    </message>
    <message>
      <source>Mortgage insurance ends at</source>
      <translation>Fin de l'assurance prêt</translation>
    </message>
    <message>
      <source>Ask to end it at (80 %)</source>
      <translation>Fin sur demande (80 %)</translation>
    </message>
    <message>
      <source>The APR and the insurance figures are estimates: a lender's disclosures govern.</source>
      <translation>Le TAC et les chiffres d'assurance sont des estimations : la déclaration du prêteur fait foi.</translation>
    </message>
    <message>
      <source>Costs (estimates: the lender's disclosure governs)</source>
      <translation>Frais (estimations : la déclaration du prêteur fait foi)</translation>
    </message>
    <message>
      <source>Purchase price</source>
      <translation>Prix d'achat</translation>
    </message>
    <message>
      <source>Down payment</source>
      <translation>Mise de fonds</translation>
    </message>
    <message>
      <source>minimum %1</source>
      <translation>minimum %1</translation>
    </message>
    <message>
      <source>Loan-to-value before any premium</source>
      <translation>Ratio prêt-valeur avant toute prime</translation>
    </message>
    <message>
      <source>Default insurance premium %1</source>
      <translation>Prime d'assurance prêt hypothécaire %1</translation>
    </message>
    <message>
      <source>Sales tax on the premium</source>
      <translation>Taxe de vente sur la prime</translation>
    </message>
    <message>
      <source>Points %1</source>
      <translation>Points %1</translation>
    </message>
    <message>
      <source>Lender and broker fees</source>
      <translation>Frais du prêteur et du courtier</translation>
    </message>
    <message>
      <source>Other closing costs</source>
      <translation>Autres frais de clôture</translation>
    </message>
    <message>
      <source>Principal</source>
      <translation>Capital</translation>
    </message>
    <message>
      <source>Prepaid finance charges</source>
      <translation>Frais de financement payés d'avance</translation>
    </message>
    <message>
      <source>Cash needed at closing</source>
      <translation>Comptant requis à la clôture</translation>
    </message>
    <message>
      <source>Insurance with each payment</source>
      <translation>Assurance à chaque versement</translation>
    </message>
    <message>
      <source>  It ends at</source>
      <translation>  Elle prend fin au</translation>
    </message>
    <message>
      <source>  It may end on request at</source>
      <translation>  Elle peut prendre fin sur demande au</translation>
    </message>
    <message>
      <source>Annual percentage rate (estimate)</source>
      <translation>Taux annuel du coût d'emprunt (estimation)</translation>
    </message>
    <message>
      <source>Monthly cost of the home</source>
      <translation>Coût mensuel de la propriété</translation>
    </message>
    <message>
      <source>Monthly cost</source>
      <translation>Coût mensuel</translation>
    </message>
    <message>
      <source>Principal and interest</source>
      <translation>Capital et intérêts</translation>
    </message>
    <message>
      <source>Property tax</source>
      <translation>Taxes foncières</translation>
    </message>
    <message>
      <source>Home insurance</source>
      <translation>Assurance habitation</translation>
    </message>
    <message>
      <source>Condominium or association fees</source>
      <translation>Frais de copropriété ou d'association</translation>
    </message>
    <message>
      <source>Heating</source>
      <translation>Chauffage</translation>
    </message>
    <message>
      <source>Mortgage insurance</source>
      <translation>Assurance hypothécaire</translation>
    </message>
    <message>
      <source>until payment %1</source>
      <translation>jusqu'au versement %1</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Total</translation>
    </message>
    <message>
      <source>added to the loan</source>
      <translation>ajoutée au prêt</translation>
    </message>
    <message>
      <source>paid in cash</source>
      <translation>payé comptant</translation>
    </message>
    <message>
      <source>Borrowing cost</source>
      <translation>Coût d'emprunt</translation>
    </message>
    <message>
      <source>Interest</source>
      <translation>Intérêts</translation>
    </message>
    <message>
      <source>Finance charges</source>
      <translation>Frais de financement</translation>
    </message>
    <message>
      <source>Insurance</source>
      <translation>Assurance</translation>
    </message>
    <message>
      <source>Amortization</source>
      <translation>Amortissement</translation>
    </message>
    <message>
      <source>Mortgage table</source>
      <translation>Tableau hypothécaire</translation>
    </message>
    <message>
      <source>Personal loan table</source>
      <translation>Tableau de prêt personnel</translation>
    </message>
    <message>
      <source>Mortgage comparison</source>
      <translation>Comparaison de prêts hypothécaires</translation>
    </message>
    <message>
      <source>Mortgage affordability</source>
      <translation>Capacité d'emprunt hypothécaire</translation>
    </message>
    <message>
      <source>Mortgage graph</source>
      <translation>Graphique hypothécaire</translation>
    </message>
    <message>
      <source>Page</source>
      <translation>Page</translation>
    </message>
    <message>
      <source>New rate %1%</source>
      <translation>Nouveau taux %1%</translation>
    </message>
    <message>
      <source>Rate change       From payment     Rate     Payment is    New payment</source>
      <translation>Changement        Dès le versement Taux     Versement     Nouveau versement</translation>
    </message>
    <message>
      <source>Year %1  Month %2</source>
      <translation>Année %1  Mois %2</translation>
    </message>
    <message>
      <source> %1 Year Term</source>
      <translation> Durée de %1 ans</translation>
    </message>
    <message>
      <source> Personal Loan Table</source>
      <translation> Tableau de prêt personnel</translation>
    </message>
    <message>
      <source> Mortgage Table</source>
      <translation> Tableau hypothécaire</translation>
    </message>
    <message>
      <source>Principal   Annual     Length of      Interest       Frequency     Included</source>
      <translation>Capital     Taux       Durée du       Périodes de    Fréquence     Inclus</translation>
    </message>
    <message>
      <source>Principal   Annual     Amortization   Interest       Frequency     Included</source>
      <translation>Capital du  Taux       Période        Périodes de    Fréquence     Inclus</translation>
    </message>
    <message>
      <source>amount of   interest   the loan       compounding    and type      in P + I</source>
      <translation>du prêt.    d'intérêt  prêt en        capitalisa-    et type de    dans C+I</translation>
    </message>
    <message>
      <source>amount of   interest   period in      compounding    and type      in P + I</source>
      <translation>prêt hypo-  d'intérêt  d'amortis-     capitalisa-    et type de    dans C+I</translation>
    </message>
    <message>
      <source>the loan.   rate(%).   in months.     periods/year.  of payment. </source>
      <translation>            annuel(%). mois.          tion par an.   versement.  </translation>
    </message>
    <message>
      <source>mortgage.   rate(%).   years.         periods/year.  of payment. </source>
      <translation>thécaire.   annuel(%). sement (ans).  tion par an.   versement.  </translation>
    </message>
    <message>
      <source>Days   Interest    No. of     No. months Principal   Total paid    Total of</source>
      <translation>Jours  Facteur     Nombre de  Mois au    Versement   Total payé    Intérêts</translation>
    </message>
    <message>
      <source>Days   Interest    No. of     No. years  Principal   Total paid    Total of</source>
      <translation>Jours  Facteur     Nombre de  Années au  Versement   Total payé    Intérêts</translation>
    </message>
    <message>
      <source>in     rate        payments   to final   + Interest  over life     interest</source>
      <translation>dans   de taux     versements dernier    capital +   sur la durée  intérêts</translation>
    </message>
    <message>
      <source>year   factor      each year  payment    payment     of the loan   savings</source>
      <translation>l'an   d'intérêt   par année  versement  intérêts    du prêt       épargnés</translation>
    </message>
    <message>
      <source>year   factor      each year  payment    payment     of mortgage   savings</source>
      <translation>l'an   d'intérêt   par année  versement  intérêts    du prêt       épargnés</translation>
    </message>
    <message>
      <source> Payment    Interest   Principal     Remaining    Cumulative     Cumulative</source>
      <translation>Versement   Intérêts     Capital         Solde      Intérêts        Capital</translation>
    </message>
    <message>
      <source>  Year       Payment     Payment       Balance      Interest      Principal</source>
      <translation> Année        versés       versé       restant       cumulés         cumulé</translation>
    </message>
    <message>
      <source>No. Year     Payment     Payment       Balance      Interest      Principal</source>
      <translation>No Année      versés       versé       restant       cumulés         cumulé</translation>
    </message>
    <message>
      <source>   Date      Payment     Payment       Balance      Interest      Principal</source>
      <translation>   Date       versés       versé       restant       cumulés         cumulé</translation>
    </message>
    <message>
      <source> Mortgage Comparisons</source>
      <translation> Comparaison de prêts hypothécaires</translation>
    </message>
    <message>
      <source>Row, Days   Amorti  Retired  Number  Amount    Annual    Principal   Total</source>
      <translation>Ligne,jours Amorti  Rembour- Nombre  Montant   Taux      Versement   Total</translation>
    </message>
    <message>
      <source>Compound   -zation  at end   Annual  of        Interest  + Interest  Interest</source>
      <translation>Capitalis. -ssement sé à la  de ver- du        d'intérêt capital +   des</translation>
    </message>
    <message>
      <source>Frequency   Period  of Year  Paymts  Mortgage  Rate      Payment     Payment</source>
      <translation>Fréquence   (ans)   fin d'an sements prêt      annuel    intérêts    intérêts</translation>
    </message>
    <message>
      <source>* Additional Payments Applied</source>
      <translation>* Versements supplémentaires appliqués</translation>
    </message>
  </context>
</TS>
