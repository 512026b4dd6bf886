// The pages, in the window's order, with the names and texts of its controls.
//
//   kind      the engine's kind (MakeKind's name); EAN also has a code-type box
//   tab       the page's name (its tab's id) and caption
//   label     the label before the field(s): id and text
//   fields    the number fields: id, typing limit (blanksFree: counting the
//             number's characters only), the part they hold (the accessible
//             name of a field among several), first text
//   numberField  the field that takes the focus back (the first by default)
//   list      the candidate list's id
//   guides    the parts named under the number: label id, caption, field
//             index and character column under which the part lies (or
//             guideSets, and guideSet(fields, module) choosing the set the
//             engine says the fields hold)
//   clear     what "Effacer" does: empty the fields (and focus the first one
//             written), hide the list, show the guides again
//   click     what a click on a listed row does: the fields it writes, whether
//             they are then laid out, whether a double click asks for "Calcule"
//   tooMany   the id of the red message shown when too many characters are
//             unknown (its text is the engine's)
//   spreadsLong  a paste of more characters than a box holds spreads over
//             the boxes from the first, even when it is no whole number (a
//             whole number pasted into any field of a page of several fills
//             them all, on every such page)

export const CLEAR_FOCUS = 1;
export const CLEAR_HIDE_LIST = 2;
export const CLEAR_SHOW_GUIDES = 4;

const single = (id, limit = 0) => [{ id, limit }];

export const PAGES = [
    {
        kind: 'insee', tab: 'Tab_insee', caption: 'Clé Insee',
        label: ['LabelINSEE', 'Numéro Insee :'], fields: single('EM_INSEE'), list: 'LB_insee',
        guides: [
            ['Linsee1', 'Sexe', 0, 0.5], ['Linsee2', 'Année', 0, 3.0], ['LInsee3', 'Mois', 0, 6.0],
            ['Linsee4', 'Département', 0, 9.0], ['Linsee5', 'Commune', 0, 12.5], ['Linsee6', 'Ordre', 0, 16.5],
            ['Linsee7', 'Clé', 0, 20.0],
        ],
        clear: CLEAR_FOCUS | CLEAR_HIDE_LIST | CLEAR_SHOW_GUIDES,
        tooMany: 'MSG_insee',
    },
    {
        kind: 'rib', tab: 'Tab_rib', caption: 'Clé RIB/RIP',
        label: ['Label_RIB', 'RIB/RIP :'], fields: single('em_rib'), list: 'LB_rib',
        guides: [['Lrib1', 'Etablissement', 0, 2.5], ['Lrib2', 'Guichet', 0, 8.5], ['Lrib3', 'Compte', 0, 17.5], ['LRib4', 'Clé ', 0, 25.0]],
        clear: CLEAR_FOCUS | CLEAR_HIDE_LIST | CLEAR_SHOW_GUIDES,
    },
    {
        kind: 'iban', tab: 'Tab_iban', caption: 'CLé IBAN',
        label: ['Label2', 'IBAN :'],
        fields: [
            { id: 'Edit_Iban_country', part: 'Code pays', initial: 'FR', size: 3 },
            { id: 'em_iban_cle', part: 'Clé de contrôle', limit: 2 },
            { id: 'em_iban', part: 'Numéro de compte BBAN', limit: 30, blanksFree: true, size: 38 },
        ],
        // The number field: where the focus goes back after a row is chosen.
        numberField: 2,
        list: 'Lb_iban', countries: 'LB_iban1', countryButton: 'ABtn_iban',
        guides: [['Lab_iban1', 'Code pays', 0, 1.0], ['Lab_iban2', 'Clé de contrôle', 1, 1.0], ['Lab_iban3', 'Numéro de compte BBAN', 2, 2.0]],
        // The country field keeps its code; the key is emptied and the BBAN focused.
        clear: CLEAR_FOCUS | CLEAR_HIDE_LIST | CLEAR_SHOW_GUIDES, clearFields: [2, 1],
        showGuidesFirst: true,
        click: { fields: [1, 2], format: true, calcule: true },
    },
    {
        kind: 'prof', tab: 'Tab_prof', caption: 'Clé Professionnel de santé',
        label: ['Lprof', 'Numero :'], fields: single('Em_prof'), list: 'LB_prof',
        guides: [['lprof1', 'Département', 0, 1.0], ['lprof4', 'Catégorie', 0, 3.5], ['Lprof3', "Numéro d'inscription", 0, 7.5], ['lprof2', 'Clé', 0, 11.5]],
        clear: CLEAR_FOCUS | CLEAR_HIDE_LIST | CLEAR_SHOW_GUIDES,
    },
    {
        kind: 'avs', tab: 'Tab_avs', caption: 'Clé AVS',
        label: ['Label_avs', 'Numéro AVS :'], fields: single('Em_avs'), list: 'LB_avs',
        // The old eleven-digit number (NNN YY SDM OOK), and the current one
        // (756.1234.5678.97), which the engine lays out with dots.
        guides: true,
        guideSets: [
            [
                ['Lavs1', 'Groupe du nom', 0, 1.5], ['Lavs2', 'Année de naissance', 0, 5.0],
                ['Lavs3', 'Sexe, jour et mois de naissance', 0, 8.5], ['Lavs4', "Numéro d'ordre et clé", 0, 12.5],
            ],
            [['Lavs5', 'Code pays', 0, 1.5], ['Lavs6', 'Numéro personnel', 0, 9.5], ['Lavs7', 'Clé de contrôle', 0, 15.5]],
        ],
        guideSet: (fields, module) => (module.isCurrentAvs(fields[0]) ? 1 : 0),
        clear: CLEAR_FOCUS | CLEAR_HIDE_LIST | CLEAR_SHOW_GUIDES,
    },
    {
        kind: 'isbn', tab: 'Tab_isbn', caption: 'ISBN',
        label: ['LISBN', 'ISBN'], fields: single('em_isbn'), list: 'LB_isbn',
        clear: CLEAR_FOCUS | CLEAR_HIDE_LIST,
    },
    {
        kind: 'carte', tab: 'Tab_credit', caption: 'Cartes bancaires',
        label: ['Label4', 'Numéro'], fields: single('em_cb'), list: 'lB_CB',
        clear: CLEAR_FOCUS | CLEAR_HIDE_LIST,
    },
    {
        kind: 'siren', tab: 'TabSheet1', caption: 'SIREN',
        label: ['LSIREN', 'Numéro'], fields: single('EM_siren'), list: 'lb_siren',
        clear: CLEAR_FOCUS | CLEAR_HIDE_LIST,
    },
    {
        kind: 'siret', tab: 'Tab_SIRET', caption: 'SIRET',
        label: ['Lsiret', 'Siret'], fields: single('em_siret'), list: 'LB_siret',
        guides: [['LSIRET1', 'Numéro RCS (SIREN)', 0, 4.5], ['LSIRET2', "Numéro d'établissement", 0, 12.0], ['Lsiret3', 'Clé de contrôle', 0, 15.5]],
        clear: CLEAR_FOCUS | CLEAR_HIDE_LIST | CLEAR_SHOW_GUIDES,
    },
    {
        // "Effacer" empties the field only: the list and the type stay.
        kind: 'ean', tab: 'Tab_EAN', caption: 'Codes EAN',
        label: ['Lean2', 'Numéro :'], fields: single('em_ean'), list: 'LB_ean',
        codeType: { id: 'Cb_ean', label: ['Lean1', 'Type :'], initial: 1 },
        clear: CLEAR_FOCUS,
    },
    {
        // "Effacer" empties the field but leaves the list of the last search.
        kind: 'sin', tab: 'Tab_sin', caption: 'S.I.N.',
        label: ['LSIN', 'SIN'], fields: single('em_sin'), list: 'Lb_sin',
        clear: CLEAR_FOCUS,
    },
    {
        // A listed row goes back into the boxes as it is, on a click or a
        // double click; "Effacer" leaves the guides as they are.
        kind: 'vin', tab: 'Tab_Vin', caption: 'VIN',
        label: ['Label1', 'VIN :'],
        fields: [
            { id: 'Vin1', limit: 1, part: 'Code pays' },
            { id: 'Vin2', limit: 1, part: 'Code constructeur' },
            { id: 'Vin3', limit: 1, part: 'Type' },
            { id: 'VIn4', limit: 5, part: 'Particularités du véhicule' },
            { id: 'Vin5', limit: 1, part: 'Clé de contrôle' },
            { id: 'Vin6', limit: 1, part: 'Année' },
            { id: 'VIn7', limit: 1, part: "Usine d'assemblage" },
            { id: 'Vin8', limit: 6, part: 'Numéro de série' },
        ],
        list: 'LB_vin',
        guides: [
            ['Lvin1', 'Code pays :', 0, 0.5], ['LVIn2', 'Code constructeur :', 1, 0.5], ['LVin3', 'Type :', 2, 0.5],
            ['LVin4', 'Particularités du véhicule :', 3, 2.5], ['LVin5', 'Clé de contrôle', 4, 0.5], ['LVIn6', 'Année', 5, 0.5],
            ['LVin8', "Usine d'assemblage", 6, 0.5], ['LVIn7', 'Numéro de série', 7, 3.0],
        ],
        clear: CLEAR_HIDE_LIST,
        click: { format: false, calcule: false, onDouble: true },
        moveOnFull: true,
        spreadsLong: true,
    },
    {
        // A listed row goes back into the two fields as it is, on a single click.
        kind: 'cip', tab: 'tab_cip', caption: 'CIP/ACL',
        label: ['Label3', 'Numero :'],
        fields: [{ id: 'Fcip1', limit: 6, part: 'Code' }, { id: 'Fcip2', limit: 1, part: 'Clé' }],
        list: 'LB_cip',
        clear: CLEAR_HIDE_LIST,
        click: { format: false, calcule: false },
        spreadsLong: true,
    },
];
