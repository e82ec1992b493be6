// Tells the test what the page saw: the local server's log keeps every request. The page is
// named by its file and query, letters and digits only.
function report(what) {
    const page = (location.pathname + location.search).replace(/\W/g, '');
    fetch('/report?page=' + page + '&' + what, {cache: 'no-store'}).catch(() => {});
}
