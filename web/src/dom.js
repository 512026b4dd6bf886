// Small helpers of the page's modules: building elements, letting the
// browser draw, counting in French.

export function element(tag, attributes = {}, ...children) {
    const node = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
        if (value === undefined || value === null || value === false) continue;
        if (name === 'text') node.textContent = value;
        else if (name === 'className') node.className = value;
        else node.setAttribute(name, value === true ? '' : String(value));
    }
    node.append(...children.filter(Boolean));
    return node;
}

// Gives the browser a moment to draw and to take events.
export function nextTask() {
    return new Promise((resolve) => setTimeout(resolve, 0));
}

// "1 679 616 candidats", "1 candidat", "0 candidat": one and zero take the singular.
export function counted(module, count, one, many) {
    return `${module.frenchCount(count)} ${count > 1 ? many : one}`;
}
