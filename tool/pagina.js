// The page's script: zoom and pan along the distance axis (wheel, drag, the
// "tutta la linea" button, or #da=M&a=M in the address), labels thinned for
// the zoom, and the plan linked with the profile (#m=M marks a metre in both). Without it the page is the
// same drawing at its whole-line view, every mark with its title.
(function () {
  "use strict";
  var dati = JSON.parse(document.getElementById("dati-linea").textContent);
  var svg = document.getElementById("disegno");
  var profilo = document.getElementById("profilo");
  var pianta = document.getElementById("pianta");
  var NS = "http://www.w3.org/2000/svg";
  var vista = { da: dati.intera[0], a: dati.intera[1] };
  var larghezzaMinima = 300;
  var metroIndirizzo = null;  // the metre the address asks to mark

  function x(m) { return dati.sinistra + (m - vista.da) / (vista.a - vista.da) * dati.area; }
  function metro(xp) { return vista.da + (xp - dati.sinistra) / dati.area * (vista.a - vista.da); }
  function km(m) {
    var segno = m < 0 ? "-" : "", a = Math.abs(Math.round(m));
    return "km " + segno + Math.floor(a / 1000) + "," + String(a % 1000).padStart(3, "0");
  }
  function tutti(radice, selettore) { return Array.prototype.slice.call(radice.querySelectorAll(selettore)); }

  // The point of the drawing under the pointer, in page units.
  function punto(evento) {
    var p = svg.createSVGPoint();
    p.x = evento.clientX; p.y = evento.clientY;
    return p.matrixTransform(svg.getScreenCTM().inverse());
  }

  function limita(da, a) {
    var w = Math.max(larghezzaMinima, Math.min(a - da, dati.massima[1] - dati.massima[0]));
    da = Math.max(dati.massima[0], Math.min(da, dati.massima[1] - w));
    return { da: da, a: da + w };
  }

  function posizionaSegni() {
    tutti(profilo, "[data-m]").forEach(function (e) {
      var m = parseFloat(e.getAttribute("data-m"));
      if (e.tagName === "text") e.setAttribute("x", x(m).toFixed(1));
      else e.setAttribute("transform", "translate(" + x(m).toFixed(1) + ",0)");
    });
    tutti(profilo, "[data-da]").forEach(function (e) {
      var x0 = x(parseFloat(e.getAttribute("data-da"))), x1 = x(parseFloat(e.getAttribute("data-a")));
      e.setAttribute("x", x0.toFixed(1));
      e.setAttribute("width", Math.max(x1 - x0, 1).toFixed(1));
    });
    var quote = scalaQuote();
    tutti(profilo, "path[data-punti]").forEach(function (e) {
      var punti = e.getAttribute("data-punti").split(" ").map(function (c) { return c.split(",").map(parseFloat); });
      var y = e.hasAttribute("data-quote") ? quote.y : function (v) { return v; };
      var d = punti.map(function (p, i) { return (i ? "L" : "M") + x(p[0]).toFixed(1) + "," + y(p[1]).toFixed(1); }).join("");
      var base = e.getAttribute("data-base");
      if (base !== null && punti.length) {
        d += "L" + x(punti[punti.length - 1][0]).toFixed(1) + "," + base + "L" + x(punti[0][0]).toFixed(1) + "," + base + "Z";
      }
      e.setAttribute("d", d);
    });
  }

  // The height scale fitted to the stretch in view; the margin shows its ends.
  function scalaQuote() {
    var linea = profilo.querySelector(".linea-quota");
    if (!linea) return { y: function (v) { return v; } };
    var limiti = linea.getAttribute("data-quote").split(",").map(parseFloat);
    var basso = Infinity, alto = -Infinity;
    linea.getAttribute("data-punti").split(" ").forEach(function (c) {
      var p = c.split(",").map(parseFloat);
      if (p[0] >= vista.da && p[0] <= vista.a) { basso = Math.min(basso, p[1]); alto = Math.max(alto, p[1]); }
    });
    if (basso > alto) { basso = 0; alto = 0; }
    if (alto - basso < 10) {  // a flat stretch sits in the middle, on a 10 m scale
      var centro = (alto + basso) / 2;
      basso = centro - 5; alto = centro + 5;
    }
    document.getElementById("quota-alta").textContent = Math.round(alto) + " m";
    document.getElementById("quota-bassa").textContent = Math.round(basso) + " m";
    return { y: function (q) { return limiti[1] - (q - basso) / (alto - basso) * (limiti[1] - limiti[0]); } };
  }

  // Ticks every 100 m .. 100 km, about 80 units apart.
  function asse() {
    var g = document.getElementById("asse"), altezza = g.parentNode.querySelector("#cursore-profilo").getAttribute("y2");
    while (g.firstChild) g.removeChild(g.firstChild);
    var passi = [100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000, 100000], passo = passi[passi.length - 1];
    for (var i = 0; i < passi.length; i++) if (passi[i] / (vista.a - vista.da) * dati.area >= 80) { passo = passi[i]; break; }
    for (var m = Math.ceil(vista.da / passo) * passo; m <= vista.a; m += passo) {
      var l = document.createElementNS(NS, "line"), t = document.createElementNS(NS, "text");
      l.setAttribute("class", "griglia-km");
      l.setAttribute("x1", x(m)); l.setAttribute("x2", x(m)); l.setAttribute("y1", 0); l.setAttribute("y2", altezza);
      t.setAttribute("class", "km"); t.setAttribute("x", x(m)); t.setAttribute("y", parseFloat(altezza) + 18);
      t.textContent = km(m);
      g.appendChild(l); g.appendChild(t);
    }
  }

  // In each lane the labels of higher priority, then those further left, keep their place.
  function dirada() {
    tutti(profilo, ".corsia").forEach(function (corsia) {
      var prese = [];
      var etichette = tutti(corsia, "text.etichetta").map(function (e) {
        e.classList.remove("nascosta");
        return { e: e, x: parseFloat(e.getAttribute("x")), p: parseInt(e.getAttribute("data-p"), 10), w: e.getComputedTextLength() };
      });
      etichette.sort(function (a, b) { return b.p - a.p || a.x - b.x; });
      etichette.forEach(function (t) {
        var fuori = t.x < dati.sinistra || t.x > dati.sinistra + dati.area;
        if (!fuori) {  // moved in from the edge, so that it is read whole
          t.x = Math.max(dati.sinistra + t.w / 2, Math.min(dati.sinistra + dati.area - t.w / 2, t.x));
          t.e.setAttribute("x", t.x.toFixed(1));
        }
        var da = t.x - t.w / 2 - 4, a = t.x + t.w / 2 + 4;
        var libera = !fuori && prese.every(function (p) { return a <= p[0] || p[1] <= da; });
        if (libera) prese.push([da, a]); else t.e.classList.add("nascosta");
      });
    });
  }

  function trattoInPianta() {
    var visibile = document.getElementById("tratto-visibile");
    if (!visibile) return;
    var punti = dati.pianta.filter(function (p) { return p[0] >= vista.da && p[0] <= vista.a; });
    // The whole line needs no highlight; a stretch of it does.
    var tutta = vista.da <= dati.intera[0] + 1 && vista.a >= dati.intera[1] - 1;
    visibile.classList.toggle("nascosta", tutta);
    visibile.setAttribute("points", punti.map(function (p) { return p[1] + "," + p[2]; }).join(" "));
  }

  function aggiorna() {
    posizionaSegni();
    asse();
    dirada();
    trattoInPianta();
    document.getElementById("tratto").textContent = "da " + km(vista.da) + " a " + km(vista.a);
    document.documentElement.setAttribute("data-vista", Math.round(vista.da) + "-" + Math.round(vista.a));
    var indirizzo = "#da=" + Math.round(vista.da) + "&a=" + Math.round(vista.a);
    if (metroIndirizzo !== null) indirizzo += "&m=" + Math.round(metroIndirizzo);
    if (history.replaceState) history.replaceState(null, "", indirizzo);
  }

  function vai(da, a) { vista = limita(da, a); aggiorna(); }

  // A metre pointed at in either view, marked in both.
  function segna(m) {
    var cursore = document.getElementById("cursore-profilo");
    var dentro = m >= vista.da && m <= vista.a;
    cursore.classList.toggle("nascosta", !dentro);
    cursore.setAttribute("x1", x(m)); cursore.setAttribute("x2", x(m));
    var cerchio = document.getElementById("cursore-pianta");
    var campione = vicino(m);
    if (cerchio && campione) {
      cerchio.classList.remove("nascosta");
      cerchio.setAttribute("cx", campione[1]); cerchio.setAttribute("cy", campione[2]);
    }
    document.getElementById("lettura").textContent = "metro " + Math.round(m) + " \u00b7 " + km(m) +
      " \u00b7 cella " + Math.round(m / 50 + 1);
  }

  function vicino(m) {
    if (!dati.pianta.length) return null;
    var i = Math.max(0, Math.min(dati.pianta.length - 1, Math.round((m - dati.pianta[0][0]) / 50)));
    return dati.pianta[i];
  }

  function metroInPianta(p) {
    var migliore = null, distanza = Infinity;
    dati.pianta.forEach(function (c) {
      var d = (c[1] - p.x) * (c[1] - p.x) + (c[2] - p.y) * (c[2] - p.y);
      if (d < distanza) { distanza = d; migliore = c; }
    });
    return migliore;
  }

  function leggiIndirizzo() {
    var h = {};
    location.hash.replace(/^#/, "").split("&").forEach(function (c) {
      var kv = c.split("=");
      if (kv.length === 2) h[kv[0]] = parseFloat(kv[1]);
    });
    if (isFinite(h.da) && isFinite(h.a) && h.a > h.da) vista = limita(h.da, h.a);
    metroIndirizzo = isFinite(h.m) ? h.m : null;
  }

  var trascina = null;
  profilo.addEventListener("wheel", function (e) {
    e.preventDefault();
    var m = metro(punto(e).x), fattore = e.deltaY > 0 ? 1.25 : 0.8;
    vai(m - (m - vista.da) * fattore, m + (vista.a - m) * fattore);
  }, { passive: false });
  profilo.addEventListener("pointerdown", function (e) {
    trascina = { x: punto(e).x, vista: { da: vista.da, a: vista.a } };
    profilo.setPointerCapture(e.pointerId);
  });
  profilo.addEventListener("pointermove", function (e) {
    var p = punto(e);
    if (trascina) {
      var spostamento = (p.x - trascina.x) / dati.area * (trascina.vista.a - trascina.vista.da);
      vai(trascina.vista.da - spostamento, trascina.vista.a - spostamento);
    }
    segna(metro(p.x));
  });
  profilo.addEventListener("pointerup", function () { trascina = null; });
  profilo.addEventListener("pointercancel", function () { trascina = null; });
  if (pianta && dati.pianta.length) {
    pianta.addEventListener("pointermove", function (e) { var c = metroInPianta(punto(e)); if (c) segna(c[0]); });
    pianta.addEventListener("click", function (e) {
      var c = metroInPianta(punto(e)), w = vista.a - vista.da;
      if (c) { vai(c[0] - w / 2, c[0] + w / 2); segna(c[0]); }
    });
  }
  document.getElementById("tutta").addEventListener("click", function () { vai(dati.intera[0], dati.intera[1]); });
  window.addEventListener("hashchange", function () {
    leggiIndirizzo();
    aggiorna();
    if (metroIndirizzo !== null) segna(metroIndirizzo);
  });

  leggiIndirizzo();
  aggiorna();
  if (metroIndirizzo !== null) segna(metroIndirizzo);
  document.documentElement.setAttribute("data-pronta", "si");
})();
